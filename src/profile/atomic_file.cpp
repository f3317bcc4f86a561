#include "profile/atomic_file.h"

#include <QFileInfo>
#include <QSaveFile>

namespace brakefell {

ProfileFileStatus ReplaceFileContents(const QString& path, const ContentWriter& write) {
    // Only a regular file is ever replaced: never a folder, a device or a pipe.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return ProfileFileStatus::NotOpened;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return ProfileFileStatus::NotOpened;
    }
    if (!write(file) || !file.flush()) {
        file.cancelWriting();  // the temporary file is removed, the target untouched
        return ProfileFileStatus::WriteFailed;
    }
    if (!file.commit()) {
        return ProfileFileStatus::WriteFailed;
    }
    return ProfileFileStatus::Done;
}

}  // namespace brakefell
