#pragma once
// The shipped catalogue for the figures, read from the source tree with the standard library.

#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "catalogue/catalogue_reader.h"

namespace brakefell::bench {

inline std::optional<SkillCatalogue> ShippedCatalogue() {
    std::ifstream file(BRAKEFELL_SOURCE_DIR "/data/Gloamstalker007.txt", std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    SkillCatalogue catalogue;
    if (!file || !ParseSkillCatalogue(bytes, catalogue).ok) {
        return std::nullopt;
    }
    return catalogue;
}

}  // namespace brakefell::bench
