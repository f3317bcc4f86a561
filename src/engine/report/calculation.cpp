#include "engine/report/calculation.h"

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"

namespace brakefell {

CalculationReport Calculate(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition) {
    return WriteReport(ComputeFigures(sheet, catalogue), catalogue, edition);
}

}  // namespace brakefell
