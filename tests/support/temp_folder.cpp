#include "temp_folder.h"

#include <atomic>
#include <random>
#include <stdexcept>

namespace brakefell::testing {

TempFolder::TempFolder() {
    namespace fs = std::filesystem;
    static std::atomic<unsigned> made{0};
    std::random_device entropy;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate =
            fs::temp_directory_path() /
            ("brakefell-test-" + std::to_string(entropy()) + "-" + std::to_string(made++));
        std::error_code error;
        if (fs::create_directory(candidate, error)) {
            path_ = candidate.string();
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

TempFolder::~TempFolder() {
    std::error_code error;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(path_, error);
}

std::string TempFolder::filePath(std::string_view name) const {
    return path_ + '/' + std::string(name);
}

}  // namespace brakefell::testing
