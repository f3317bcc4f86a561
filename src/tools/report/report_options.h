#pragma once
// The command line of brakefell_report:
//   brakefell_report [--edition full|lite] [--catalogue PATH] [--profile PATH]
//                    [--set NAME=VALUE]... [--save-profile PATH] [--json]

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "editions/edition.h"

namespace brakefell::report {

struct ControlAssignment {
    QString name;   // a control name as the window has it: "txtSkill(18)", "optVoodooETC"
    QString value;  // verbatim after the first "="
};

struct ReportOptions {
    Edition edition = Edition::Full;
    QString cataloguePath;  // empty: the catalogue beside the executable
    QString profilePath;
    std::vector<ControlAssignment> assignments;  // applied in the order given
    QString saveProfilePath;
    bool json = false;
    bool help = false;
};

struct ParsedOptions {
    std::optional<ReportOptions> options;
    QString error;  // why the command line was refused
};

// `arguments` without the program name.
ParsedOptions ParseReportOptions(const QStringList& arguments);

QString UsageText();

}  // namespace brakefell::report
