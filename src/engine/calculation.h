#pragma once
// One press of "계산": from the character sheet and the catalogue to the texts of the report boxes.
//
// Data flow: FormState::characterSheet() -> Calculate() [multipliers -> SkillHitTable -> one block
// per used slot -> (sentry mode only) breakpoints, rotation, damage over time, per-second totals,
// shares, kill time] -> CalculationReport -> RunCalculation() writes it into the form's boxes.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/character_sheet.h"

namespace brakefell {

// Per-hit figures of one rune, normal and elite, main and extra hit.
struct RuneHitRecord {
    QString Name;
    double MainNormalMin = 0;
    double MainNormalMax = 0;
    double MainNormalAvg = 0;
    double MainNormalExpected = 0;
    double MainEliteMin = 0;
    double MainEliteMax = 0;
    double MainEliteAvg = 0;
    double MainEliteExpected = 0;
    double MainUsesPerCycle = 0;
    std::int16_t ElementCode = 0;
    double ExtraNormalMin = 0;
    double ExtraNormalMax = 0;
    double ExtraNormalAvg = 0;
    double ExtraNormalExpected = 0;
    double ExtraEliteMin = 0;
    double ExtraEliteMax = 0;
    double ExtraEliteAvg = 0;
    double ExtraEliteExpected = 0;
    double ExtraUsesPerCycle = 0;
};

struct SkillHitEntry {
    QString Name;
    std::array<RuneHitRecord, kRuneCount> Runes;
};

using SkillHitTable = std::array<SkillHitEntry, kSkillCount>;

// What one calculation leaves for the next within a program run.
struct EngineState {
    SkillHitTable hitTable;
    std::vector<std::int16_t> ShownSkill;  // catalogue skill shown in txtResult(k)
    std::vector<std::int16_t> ShownRune;   // rune shown in txtResult(k)
};

struct ResultBoxText {
    bool visible = false;
    QString text;
};

struct CalculationReport {
    std::array<ResultBoxText, 9> txtResult;  // txtResult(0) .. txtResult(8)
    bool fraMoreDamageVisible = false;
    std::optional<QString> txtBowCycleResult;  // nullopt: the box keeps its previous text
    QString Text1;                             // the working trace, never shown
    QString refusal;  // non-empty when the input is out of range: the one sentence to show
};

// The one sentence shown when the inputs cannot be calculated (a selection outside its list, a
// rune of an unknown element, a number too large to work with).
inline constexpr char kCalculationRefused[] = "입력값이 계산할 수 있는 범위를 벗어났습니다.";

CalculationReport Calculate(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition, EngineState& state);

// Stores `value` into both uses-per-cycle fields of all six runes of `skill` (0..23).
void SetSkillUsesPerCycle(SkillHitTable& table, int skill, double value);

}  // namespace brakefell
