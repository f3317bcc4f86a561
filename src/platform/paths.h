#pragma once
// Paths as text: "/" between folders, whatever the machine. Nothing here looks at a disk.

#include <string>
#include <string_view>

namespace brakefell {

// `name` inside `folder`, with one "/" between them.
inline std::string PathInFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

// The folder that holds `path`: everything before its last "/" ("/" for a file at the root);
// empty for a bare name, which stands in the current folder.
inline std::string FolderOfPath(std::string_view path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) {
        return {};
    }
    return std::string(path.substr(0, slash == 0 ? 1 : slash));
}

}  // namespace brakefell
