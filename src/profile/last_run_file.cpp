#include "profile/last_run_file.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/paths.h"
#include "text/strings.h"

namespace brakefell {

std::string FindLastRunFileIn(const Storage& storage, std::string_view folder) {
    if (folder.empty()) {
        return {};
    }
    // In the order of their names as text, by their UTF-16 units: of several names that differ
    // only in letter case, the first in this order is the file read.
    std::vector<std::pair<std::u16string, std::string>> names;
    for (std::string& name : storage.entryNames(folder)) {
        names.emplace_back(Utf16OfUtf8(name), std::move(name));
    }
    std::sort(names.begin(), names.end());
    std::string found;
    for (const auto& [text, name] : names) {
        const bool exact = EqualsAscii(text, kLastRunFileName);
        if (!exact && (!found.empty() || !EqualsIgnoringCase(text, "lastdata.cfg"))) {
            continue;
        }
        std::string path = PathInFolder(folder, name);
        if (storage.kindOf(path) == PathKind::Folder) {
            continue;
        }
        if (exact) {
            return path;
        }
        found = std::move(path);
    }
    return found;
}

std::optional<std::string> FindLastRunFile(const Storage& storage, const ProgramFolders& folders) {
    const std::string beside = FindLastRunFileIn(storage, folders.programDir);
    const std::string userCopy = folders.userDataDir == folders.programDir
                                     ? std::string()
                                     : FindLastRunFileIn(storage, folders.userDataDir);
    if (beside.empty() && userCopy.empty()) {
        return std::nullopt;
    }
    if (userCopy.empty()) {
        return beside;
    }
    if (beside.empty()) {
        return userCopy;
    }
    // A file without a time (a broken link) counts as older than any other.
    const bool userCopyIsNewer = storage.modifiedTime(userCopy) > storage.modifiedTime(beside);
    return userCopyIsNewer ? userCopy : beside;
}

std::string LastRunSavePath(const Storage& storage, std::string_view folder) {
    std::string existing = FindLastRunFileIn(storage, folder);
    if (!existing.empty()) {
        return existing;
    }
    return PathInFolder(folder, kLastRunFileName);
}

}  // namespace brakefell
