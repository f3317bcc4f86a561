#include "desktop_adapters/disk_storage.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>

#include "desktop_adapters/qt_text.h"

namespace brakefell {
namespace {

constexpr qint64 kChunkSize = 64 * 1024;

}  // namespace

PathKind DiskStorage::kindOf(std::string_view path) const {
    const QFileInfo info(QPathOf(path));
    if (!info.exists()) {
        return PathKind::None;
    }
    if (info.isFile()) {
        return PathKind::File;
    }
    return info.isDir() ? PathKind::Folder : PathKind::Other;
}

std::optional<UtcMillis> DiskStorage::modifiedTime(std::string_view path) const {
    const QFileInfo info(QPathOf(path));
    if (!info.exists()) {
        return std::nullopt;
    }
    return info.lastModified().toMSecsSinceEpoch();
}

std::optional<FileContents> DiskStorage::read(std::string_view path, std::size_t limit) const {
    const QString name = QPathOf(path);
    if (!QFileInfo(name).isFile()) {
        return std::nullopt;
    }
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    FileContents contents;
    while (contents.bytes.size() < limit) {
        const auto wanted =
            std::min<qint64>(kChunkSize, static_cast<qint64>(limit - contents.bytes.size()));
        const QByteArray chunk = file.read(wanted);
        if (chunk.isEmpty()) {
            break;
        }
        contents.bytes.append(chunk.constData(), static_cast<std::size_t>(chunk.size()));
    }
    // Whole when nothing is left to read past the bytes read and nothing went wrong.
    const bool more = contents.bytes.size() >= limit && !file.read(1).isEmpty();
    contents.whole = !more && file.error() == QFileDevice::NoError;
    return contents;
}

ReplaceStatus DiskStorage::replace(std::string_view path, std::string_view bytes) {
    const QString name = QPathOf(path);
    // Only a regular file is ever replaced: never a folder, a device or a pipe.
    const QFileInfo target(name);
    if (target.exists() && !target.isFile()) {
        return ReplaceStatus::NotOpened;
    }
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly)) {
        return ReplaceStatus::NotOpened;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(bytes.data(), size) != size || !file.flush()) {
        file.cancelWriting();  // the temporary file is removed, the target untouched
        return ReplaceStatus::WriteFailed;
    }
    if (!file.commit()) {
        return ReplaceStatus::WriteFailed;
    }
    return ReplaceStatus::Done;
}

std::vector<std::string> DiskStorage::entryNames(std::string_view folder) const {
    const QStringList names =
        QDir(QPathOf(folder))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                       QDir::Unsorted);
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names) {
        entries.push_back(PathOf(name));
    }
    return entries;
}

bool DiskStorage::rename(std::string_view from, std::string_view to) {
    return QFile::rename(QPathOf(from), QPathOf(to));
}

bool DiskStorage::makeFolders(std::string_view path) {
    return QDir().mkpath(QPathOf(path));
}

}  // namespace brakefell
