#pragma once
// The shipped catalogue, read once per fuzzing process, and a form started up on it.

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "catalogue/catalogue_reader.h"

namespace brakefell::fuzz {

// Whether a report text shows "inf" or "nan" in any letter case: a number that went wrong.
inline bool HoldsInfOrNan(std::u16string_view text) {
    for (const std::u16string_view word : {u"inf", u"nan"}) {
        for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
            bool same = true;
            for (std::size_t i = 0; same && i < word.size(); ++i) {
                const char16_t c = text[at + i];
                same = (c >= u'A' && c <= u'Z' ? c - u'A' + u'a' : c) == word[i];
            }
            if (same) {
                return true;
            }
        }
    }
    return false;
}

inline const SkillCatalogue& ShippedCatalogue() {
    static const SkillCatalogue catalogue = [] {
        std::ifstream file(BRAKEFELL_CATALOGUE_PATH, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file),
                                std::istreambuf_iterator<char>()};
        SkillCatalogue loaded;
        if (!file || !ParseSkillCatalogue(bytes, loaded).ok) {
            std::abort();  // the fuzzers need the real catalogue
        }
        return loaded;
    }();
    return catalogue;
}

}  // namespace brakefell::fuzz
