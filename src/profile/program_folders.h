#pragma once
// Where the program keeps its files: the catalogue and LastData.cfg beside the executable, and a
// per-user folder for the last-run file when the program's own folder cannot be written. Each
// face finds its own (the desktop's: desktop_adapters/program_folders.h); paths are UTF-8.

#include <string>

namespace brakefell {

struct ProgramFolders {
    std::string programDir;   // folder of the executable, whatever the current directory
    std::string userDataDir;  // the user's application data folder (fallback for LastData.cfg)
};

}  // namespace brakefell
