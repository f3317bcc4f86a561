#include "profile/program_folders.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace brakefell {

ProgramFolders ProgramFolders::ofRunningProgram() {
    return {QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)};
}

}  // namespace brakefell
