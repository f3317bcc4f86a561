#include "analysis/metric_probe.h"

#include "engine/compute_figures.h"

namespace brakefell {

MetricOutcome MetricProbe::operator()(const CharacterSheet& sheet) const {
    const BuildFigures figures = ComputeFigures(sheet, catalogue_);
    return {MetricValue(metric_, figures), figures.refusal != Refusal::None};
}

}  // namespace brakefell
