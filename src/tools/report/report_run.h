#pragma once
// One run of brakefell_report: start-up as the window does it (without the last-run file),
// profile, control assignments, one calculation, optional profile save, output.

#include <QByteArray>
#include <QString>

#include "form/form_state.h"
#include "platform/platform.h"
#include "profile/program_folders.h"
#include "report_options.h"

namespace brakefell::report {

enum ExitStatus {
    kExitOk = 0,
    kExitUsage = 2,      // unknown control, malformed value, bad command line
    kExitCatalogue = 3,  // the catalogue could not be read
    kExitProfile = 4,    // the profile could not be opened or applied
    kExitRefused = 5,    // the calculation refused out-of-range input
    kExitSave = 6,       // the profile could not be saved
};

struct RunResult {
    int exitStatus = kExitOk;
    QByteArray standardOutput;  // UTF-8; empty on failure
    QString errorText;          // for standard error; empty on success
};

RunResult RunReport(const ReportOptions& options, const ProgramFolders& folders,
                    const Platform& platform);

}  // namespace brakefell::report
