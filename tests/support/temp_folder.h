#pragma once
// A folder of the test's own under the system's temporary folder, removed with everything in it
// when the test ends.

#include <filesystem>
#include <string>
#include <string_view>

namespace brakefell::testing {

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder, and a path inside it (UTF-8, "/" between folders).
    const std::string& path() const { return path_; }
    std::string filePath(std::string_view name) const;

  private:
    std::string path_;
};

}  // namespace brakefell::testing
