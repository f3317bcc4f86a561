#pragma once
// Everything a calculator needs from the desktop, in one object that the programs (and the tests
// that work on real files) keep for as long as their sessions live.

#include "desktop_adapters/disk_storage.h"
#include "desktop_adapters/system_clock.h"
#include "desktop_adapters/zlib_deflate.h"
#include "platform/platform.h"
#include "profile/program_folders.h"

namespace brakefell {

struct DesktopPlatform {
    DiskStorage storage;
    ZlibDeflate deflate;
    SystemClock clock;

    Platform platform() { return {storage, deflate, clock}; }
};

// The running program's folders: the executable's own, and the user's application data folder
// (needs a QCoreApplication with its name set).
ProgramFolders RunningProgramFolders();

}  // namespace brakefell
