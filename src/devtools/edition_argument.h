#pragma once
// The edition a developer program was asked for. Header only: the empty window that measures
// start-up links nothing of the calculator beyond the layout tables.

#include <QStringList>

#include "editions/edition.h"

namespace brakefell {

// "--lite" among the arguments: the lite edition; else the full one.
inline Edition EditionOfArguments(const QStringList& arguments) {
    return arguments.contains(QStringLiteral("--lite")) ? Edition::Lite : Edition::Full;
}

}  // namespace brakefell
