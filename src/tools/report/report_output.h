#pragma once
// What brakefell_report prints: the report as a person reads it, or everything as JSON.

#include <QByteArray>
#include <QString>

#include "editions/edition.h"
#include "form/form_state.h"

namespace brakefell::report {

// The visible, non-empty report boxes in window order, a blank line between them, line ends LF.
QString PlainReport(const FormState& form);

// {"edition", "boxes", "labels", "inputs"}: box texts exactly as the boxes hold them (CR LF kept).
QByteArray JsonReport(const FormState& form, Edition edition);

}  // namespace brakefell::report
