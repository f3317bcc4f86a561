#include "session/run_calculation.h"

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"

namespace brakefell {

Refusal RunCalculation(FormState& form, Edition edition) {
    const BuildFigures figures = ComputeFigures(form.characterSheet(), form.catalogue());
    const CalculationReport report = WriteReport(figures, form.catalogue(), edition);
    for (int k = 0; k < kResultBoxCount; ++k) {
        const std::u16string name = IndexedName("txtResult", k);
        form.setText(name, report.resultBoxes[k].text);
        form.setVisible(name, report.resultBoxes[k].visible);
    }
    form.setVisible(u"fraMoreDamage", report.moreDamageVisible);
    if (report.totals) {
        form.setText(u"txtBowCycleResult", *report.totals);
    }
    form.setText(u"Text1", report.trace);
    return report.refusal;
}

}  // namespace brakefell
