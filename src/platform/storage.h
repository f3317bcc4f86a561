#pragma once
// Files and folders as the calculator uses them: the catalogue and profiles it reads, the
// last-run file it looks up and replaces, the history it merges and sets aside. Paths are UTF-8
// with "/" between folders. The desktop keeps them on disk (src/desktop_adapters); another face may
// keep them elsewhere, as long as it keeps these promises.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"

namespace brakefell {

// What a path names, following links: nothing (or a broken link), a regular file, a folder, or
// anything else (a device, a pipe, a socket).
enum class PathKind { None, File, Folder, Other };

struct FileContents {
    std::string bytes;
    // False when the file goes on past the limit, or when reading failed part of the way; the
    // bytes read until then are kept.
    bool whole = false;
};

enum class ReplaceStatus {
    Done,         // the file now holds exactly the new bytes
    NotOpened,    // no file could be made there (a missing or closed folder, a folder in its way)
    WriteFailed,  // writing or the final replacement failed: the previous file is as it was
};

class Storage {
  public:
    virtual ~Storage() = default;

    virtual PathKind kindOf(std::string_view path) const = 0;

    // When the file was last written; nullopt when there is nothing there.
    virtual std::optional<UtcMillis> modifiedTime(std::string_view path) const = 0;

    // At most `limit` bytes from the start of a regular file; nullopt for anything that is not a
    // regular file (a device or a pipe would never end) or a file that cannot be opened.
    virtual std::optional<FileContents> read(std::string_view path, std::size_t limit) const = 0;

    // Replaces the file's contents without ever losing it: a new file takes the old one's place
    // only once it is complete. Only a regular file is ever replaced, never a folder or a device.
    virtual ReplaceStatus replace(std::string_view path, std::string_view bytes) = 0;

    // The names of every entry of a folder but "." and "..", hidden ones included, in no
    // particular order; empty when the folder cannot be listed.
    virtual std::vector<std::string> entryNames(std::string_view folder) const = 0;

    virtual bool rename(std::string_view from, std::string_view to) = 0;

    // The folder and every missing folder above it; true when the folder exists afterwards.
    virtual bool makeFolders(std::string_view path) = 0;
};

}  // namespace brakefell
