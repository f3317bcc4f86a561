#pragma once
// The desktop's files and folders: Qt's file classes, with QSaveFile for every replacement (the
// previous file survives any failure, and no temporary file is left behind).

#include "platform/storage.h"

namespace brakefell {

class DiskStorage final : public Storage {
  public:
    PathKind kindOf(std::string_view path) const override;
    std::optional<UtcMillis> modifiedTime(std::string_view path) const override;
    std::optional<FileContents> read(std::string_view path, std::size_t limit) const override;
    ReplaceStatus replace(std::string_view path, std::string_view bytes) override;
    std::vector<std::string> entryNames(std::string_view folder) const override;
    bool rename(std::string_view from, std::string_view to) override;
    bool makeFolders(std::string_view path) override;
};

}  // namespace brakefell
