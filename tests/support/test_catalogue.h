#pragma once
// Small catalogues built in code, so the form's tests do not depend on the shipped data.
// Skill s is named "스킬 s"; its rune r is named "룬 s-r" and has element code r + 1, so the six
// runes of every skill run through fire, cold, physical, poison, lightning and holy.

#include <QString>

#include "catalogue/skill_catalogue.h"

namespace brakefell::testing {

inline SkillCatalogue MakeCatalogue(int skillCount = kSkillCount) {
    SkillCatalogue catalogue{};
    for (int skill = 0; skill < skillCount; ++skill) {
        catalogue[skill].Name = QStringLiteral("스킬 %1").arg(skill);
        for (int rune = 0; rune < kRuneCount; ++rune) {
            RuneRecord& record = catalogue[skill].Runes[rune];
            record.Name = QStringLiteral("룬 %1-%2").arg(skill).arg(rune);
            record.ElementCode = static_cast<std::int16_t>(rune + 1);
            record.HasDamage = true;
            record.MainCoefficient = 1.0 + rune;
        }
    }
    return catalogue;
}

// The same catalogue as a catalogue file would hold it (code page 949 is applied by the caller).
inline QString CatalogueFileText(int skillCount = kSkillCount) {
    QString text = QStringLiteral("; test catalogue\r\n");
    for (int skill = 0; skill < skillCount; ++skill) {
        text += QStringLiteral(">스킬 %1\r\n").arg(skill);
        for (int rune = 0; rune < kRuneCount; ++rune) {
            text += QStringLiteral("룬 %1-%2/True/%3/%4/0\r\n")
                        .arg(skill)
                        .arg(rune)
                        .arg(1.0 + rune)
                        .arg(rune + 1);
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

}  // namespace brakefell::testing
