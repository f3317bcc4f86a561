#include "profile/last_run_file.h"

#include <QDir>
#include <QFileInfo>

namespace brakefell {

QString FindLastRunFileIn(const QString& folder) {
    if (folder.isEmpty()) {
        return {};
    }
    const QDir dir(folder);
    const QString wanted = QString::fromLatin1(kLastRunFileName);
    QString found;
    const QStringList files = dir.entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QString& name : files) {
        if (name == wanted) {
            return dir.filePath(name);
        }
        if (found.isEmpty() && name.compare(wanted, Qt::CaseInsensitive) == 0) {
            found = dir.filePath(name);
        }
    }
    return found;
}

std::optional<QString> FindLastRunFile(const ProgramFolders& folders) {
    const QString beside = FindLastRunFileIn(folders.programDir);
    const QString userCopy = folders.userDataDir == folders.programDir
                                 ? QString()
                                 : FindLastRunFileIn(folders.userDataDir);
    if (beside.isEmpty() && userCopy.isEmpty()) {
        return std::nullopt;
    }
    if (userCopy.isEmpty()) {
        return beside;
    }
    if (beside.isEmpty()) {
        return userCopy;
    }
    const bool userCopyIsNewer =
        QFileInfo(userCopy).lastModified() > QFileInfo(beside).lastModified();
    return userCopyIsNewer ? userCopy : beside;
}

QString LastRunSavePath(const QString& folder) {
    const QString existing = FindLastRunFileIn(folder);
    if (!existing.isEmpty()) {
        return existing;
    }
    return QDir(folder).filePath(QString::fromLatin1(kLastRunFileName));
}

}  // namespace brakefell
