#pragma once
// One press of "계산" as the engine sees it: the figures of the character, then the texts of the
// report boxes in the wording of the edition.

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/character_sheet.h"
#include "engine/report/calculation_report.h"

namespace brakefell {

// ComputeFigures, then WriteReport.
CalculationReport Calculate(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition);

}  // namespace brakefell
