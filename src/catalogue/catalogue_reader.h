#pragma once
// Reads the catalogue file "Gloamstalker007.txt": code page 949, ">" headers, six "/"-separated
// rune lines after each header, everything else a comment.

#include <QByteArrayView>
#include <QString>

#include "catalogue/skill_catalogue.h"

namespace brakefell {

inline constexpr char kCatalogueFileName[] = "Gloamstalker007.txt";

struct CatalogueLoadResult {
    bool ok = false;
    int skillsStored = 0;  // headers read, the failing one included
    int failedLine = 0;    // 1-based line of the failure; 0 when the file could not be read
};

// Fills `catalogue` from the file's bytes, from entry 0 upwards. On a failure the entries and
// fields stored so far stay stored. Whatever the bytes, it never crashes.
CatalogueLoadResult ParseSkillCatalogue(QByteArrayView bytes, SkillCatalogue& catalogue);

// Reads the file at `path` (missing or unreadable: failure) and parses it as above.
CatalogueLoadResult LoadSkillCatalogue(const QString& path, SkillCatalogue& catalogue);

}  // namespace brakefell
