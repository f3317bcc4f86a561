#pragma once
// One side's answers to the core's platform ports, as the contract (port_contract_test.cpp) meets
// them: the desktop's adapters, or, in the page's build, the page's host.js through its bridge
// (page_ports.mjs hands the program PageHost and a browser-like storage). Each test gets a fresh
// face whose folder is empty and kept (on the page, in the browser's storage). While full, the
// storage takes not one more byte, as a full disk or a full browser storage.

#include "platform/platform.h"

#ifdef __EMSCRIPTEN__
#include <emscripten/val.h>

#include "web/page_host.h"

namespace brakefell::testing {

inline emscripten::val NewPageHost(const emscripten::val& keptStorage, const std::string& folder) {
    emscripten::val options = emscripten::val::object();
    options.set("keptFolder", folder);
    options.set("storage", keptStorage);
    return emscripten::val::global("PageHost").new_(options);
}

struct PortFace {
    void setFull(bool full) { keptStorage.call<void>("setFull", full); }

    std::string folder = "/kept";
    emscripten::val keptStorage = emscripten::val::global("QuotaStorage").new_();
    emscripten::val host = NewPageHost(keptStorage, folder);
    web::HostStorage storage{host};
    web::HostDeflate deflate{host};
    web::HostClock clock{host};
};

}  // namespace brakefell::testing
#else
#include <optional>

#include "desktop_adapters/disk_storage.h"
#include "desktop_adapters/system_clock.h"
#include "desktop_adapters/zlib_deflate.h"
#include "file_size_limit.h"
#include "temp_folder.h"

namespace brakefell::testing {

struct PortFace {
    void setFull(bool full) {
        if (full) {
            sizeLimit.emplace(0);
        } else {
            sizeLimit.reset();
        }
    }

    TempFolder temp;
    std::string folder = temp.path();
    std::optional<FileSizeLimit> sizeLimit;
    DiskStorage storage;
    ZlibDeflate deflate;
    SystemClock clock;
};

}  // namespace brakefell::testing
#endif
