#include "engine/calculation.h"

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"

namespace brakefell {

CalculationReport Calculate(const CharacterSheet& sheet, const SkillCatalogue& catalogue,
                            Edition edition) {
    return WriteReport(ComputeFigures(sheet, catalogue, edition), catalogue);
}

}  // namespace brakefell
