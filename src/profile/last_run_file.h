#pragma once
// The last-run profile LastData.cfg: read at start-up, written at shutdown. It lives beside the
// program; when the program's folder cannot be written it is kept in the user's data folder.

#include <optional>
#include <string>
#include <string_view>

#include "platform/storage.h"
#include "profile/program_folders.h"

namespace brakefell {

inline constexpr char kLastRunFileName[] = "LastData.cfg";

// The last-run file in `folder`, found whatever the letter case of its name (LASTDATA.CFG,
// lastdata.cfg...); when several spellings exist, "LastData.cfg" wins, else the first by name.
// Folders are passed over. Empty when the folder holds none.
std::string FindLastRunFileIn(const Storage& storage, std::string_view folder);

// The last-run file to read: the program's folder first, then the user's data folder. When both
// hold one, the more recently written wins: a save goes to the user's folder only when the
// program's folder refused it, so the copy there is then the older one.
std::optional<std::string> FindLastRunFile(const Storage& storage, const ProgramFolders& folders);

// Where a save of the last run goes in `folder`: over the existing file under whatever spelling
// it has, else a new "LastData.cfg".
std::string LastRunSavePath(const Storage& storage, std::string_view folder);

}  // namespace brakefell
