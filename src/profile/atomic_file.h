#pragma once
// Replacing a file without ever losing it: the new contents go to a temporary file in the same
// folder, which takes the target's place only once it is complete and flushed to disk. A failed
// or interrupted write leaves the previous file byte for byte as it was and no temporary behind.

#include <QIODevice>
#include <QString>
#include <functional>

#include "profile/profile_files.h"

namespace brakefell {

// Writes the new contents into the device; false when it could not write all of them.
using ContentWriter = std::function<bool(QIODevice& out)>;

// NotOpened: the temporary file could not be created (a folder that is missing or cannot be
// written), or the target is not a regular file (a folder, a device). WriteFailed: writing or the
// final replacement failed. Done: the target now holds exactly what the writer wrote.
ProfileFileStatus ReplaceFileContents(const QString& path, const ContentWriter& write);

}  // namespace brakefell
