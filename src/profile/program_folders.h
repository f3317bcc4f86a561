#pragma once
// Where the program keeps its files: the catalogue and LastData.cfg beside the executable, and a
// per-user folder for the last-run file when the program's own folder cannot be written.

#include <QString>

namespace brakefell {

struct ProgramFolders {
    QString programDir;   // folder of the executable, whatever the current directory
    QString userDataDir;  // the user's application data folder (fallback for LastData.cfg)

    // The running program's folders (needs a QCoreApplication).
    static ProgramFolders ofRunningProgram();
};

}  // namespace brakefell
