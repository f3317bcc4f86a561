#pragma once
// The report writers: the texts of every result box, formatted from a calculation's figures in
// the wording of their edition.

#include "catalogue/skill_catalogue.h"
#include "editions/edition.h"
#include "engine/figures.h"
#include "engine/report/calculation_report.h"

namespace brakefell {

// `catalogue` is the one the figures were computed from. A refused calculation shows nothing:
// every box hidden and empty, the cycle box emptied too.
CalculationReport WriteReport(const BuildFigures& figures, const SkillCatalogue& catalogue,
                              Edition edition);

}  // namespace brakefell
