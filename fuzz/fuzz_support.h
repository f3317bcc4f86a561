#pragma once
// The shipped catalogue, read once per fuzzing process, and a form started up on it.

#include <cstdlib>

#include "catalogue/catalogue_reader.h"

namespace brakefell::fuzz {

inline const SkillCatalogue& ShippedCatalogue() {
    static const SkillCatalogue catalogue = [] {
        SkillCatalogue loaded;
        if (!LoadSkillCatalogue(QStringLiteral(BRAKEFELL_CATALOGUE_PATH), loaded).ok) {
            std::abort();  // the fuzzers need the real catalogue
        }
        return loaded;
    }();
    return catalogue;
}

}  // namespace brakefell::fuzz
