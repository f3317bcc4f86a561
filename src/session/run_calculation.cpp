#include "session/run_calculation.h"

#include "engine/compute_figures.h"
#include "engine/report/write_report.h"

namespace brakefell {

Refusal RunCalculation(FormState& form, Edition edition) {
    const BuildFigures figures = ComputeFigures(form.characterSheet(), form.catalogue());
    const CalculationReport report = WriteReport(figures, form.catalogue(), edition);
    for (int k = 0; k < kResultBoxCount; ++k) {
        const std::u16string name = IndexedName("txtResult", k);
        form.setText(name, report.txtResult[k].text);
        form.setVisible(name, report.txtResult[k].visible);
    }
    form.setVisible(u"fraMoreDamage", report.fraMoreDamageVisible);
    if (report.txtBowCycleResult) {
        form.setText(u"txtBowCycleResult", *report.txtBowCycleResult);
    }
    form.setText(u"Text1", report.Text1);
    return report.refusal;
}

}  // namespace brakefell
