#pragma once
// Reads the catalogue file "Gloamstalker007.txt": code page 949, ">" headers, six "/"-separated
// rune lines after each header, everything else a comment.

#include <string_view>

#include "catalogue/skill_catalogue.h"
#include "platform/storage.h"

namespace brakefell {

inline constexpr char kCatalogueFileName[] = "Gloamstalker007.txt";

struct CatalogueLoadResult {
    bool ok = false;
    int skillsStored = 0;  // headers read, the failing one included
    int failedLine = 0;    // 1-based line of the failure; 0 when the file could not be read
};

// Fills `catalogue` from the file's bytes, from entry 0 upwards. On a failure the entries and
// fields stored so far stay stored. Whatever the bytes, it never crashes.
CatalogueLoadResult ParseSkillCatalogue(std::string_view bytes, SkillCatalogue& catalogue);

// Reads the file at `path` (missing, unreadable or not a regular file: failure) and parses it as
// above.
CatalogueLoadResult LoadSkillCatalogue(const Storage& storage, std::string_view path,
                                       SkillCatalogue& catalogue);

}  // namespace brakefell
