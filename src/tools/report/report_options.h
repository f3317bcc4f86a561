#pragma once
// The command line of brakefell_report: the report of one character, or one analysis of it.
//   brakefell_report [--edition full|lite] [--catalogue PATH] [--profile PATH] [--code CODE]
//                    [--set NAME=VALUE]... [--save-profile PATH] [--json] [--share-code]
//                    [--metric NAME] [--csv] [--stat-values | --compare PATH |
//                     --sweep NAME=FROM:TO:STEP | --optimize LIST [--top N]]

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "analysis/optimizer.h"
#include "analysis/sweep.h"
#include "editions/edition.h"

namespace brakefell::report {

struct ControlAssignment {
    QString name;   // a control name as the window has it: "txtSkill(18)", "optVoodooETC"
    QString value;  // verbatim after the first "="
};

enum class Analysis { None, StatValues, Compare, Sweep, Optimize };

struct ReportOptions {
    Edition edition = Edition::Full;
    QString cataloguePath;  // empty: the catalogue beside the executable
    QString profilePath;
    QString shareCode;                           // a build's share code, read after the profile
    std::vector<ControlAssignment> assignments;  // applied in the order given
    QString saveProfilePath;
    bool json = false;
    bool printShareCode = false;  // prints the inputs' share code instead of the report
    bool help = false;
    bool version = false;

    Analysis analysis = Analysis::None;
    QString metric;  // empty: the default metric of the inputs
    QString comparePath;
    SweepRequest sweep;  // its box nullptr for a name that is no number box: refused on running
    bool csv = false;
    OptimizeChoices optimize;
    int top = 10;
};

struct ParsedOptions {
    std::optional<ReportOptions> options;
    QString error;  // why the command line was refused
};

// `arguments` without the program name.
ParsedOptions ParseReportOptions(const QStringList& arguments);

// Every option with one line each; the first line starts "usage:".
QString UsageText();

}  // namespace brakefell::report
