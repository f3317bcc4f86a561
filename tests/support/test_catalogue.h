#pragma once
// Small catalogues built in code, so the form's tests do not depend on the shipped data.
// Skill s is named "스킬 s"; its rune r is named "룬 s-r" and has element code r + 1, so the six
// runes of every skill run through fire, cold, physical, poison, lightning and holy.

#include <string>

#include "catalogue/skill_catalogue.h"
#include "text/strings.h"

namespace brakefell::testing {

inline SkillCatalogue MakeCatalogue(int skillCount = kSkillCount) {
    SkillCatalogue catalogue{};
    for (int skill = 0; skill < skillCount; ++skill) {
        catalogue[skill].name = u"스킬 " + IntegerText(skill);
        for (int rune = 0; rune < kRuneCount; ++rune) {
            RuneRecord& record = catalogue[skill].runes[rune];
            record.name = u"룬 " + IntegerText(skill) + u'-' + IntegerText(rune);
            record.elementCode = static_cast<std::int16_t>(rune + 1);
            record.hasDamage = true;
            record.mainCoefficient = 1.0 + rune;
        }
    }
    return catalogue;
}

// The same catalogue as a catalogue file would hold it (code page 949 is applied by the caller).
inline std::u16string CatalogueFileText(int skillCount = kSkillCount) {
    std::u16string text = u"; test catalogue\r\n";
    for (int skill = 0; skill < skillCount; ++skill) {
        text += u">스킬 " + IntegerText(skill) + u"\r\n";
        for (int rune = 0; rune < kRuneCount; ++rune) {
            // The main coefficient 1 + rune is a whole number: written as its digits.
            text += u"룬 " + IntegerText(skill) + u'-' + IntegerText(rune) + u"/True/" +
                    IntegerText(1 + rune) + u'/' + IntegerText(rune + 1) + u"/0\r\n";
        }
        text += u"\r\n";
    }
    return text;
}

}  // namespace brakefell::testing
