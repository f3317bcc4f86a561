#include "desktop_adapters/desktop_platform.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include "desktop_adapters/qt_text.h"

namespace brakefell {

ProgramFolders RunningProgramFolders() {
    return {PathOf(QCoreApplication::applicationDirPath()),
            PathOf(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))};
}

}  // namespace brakefell
