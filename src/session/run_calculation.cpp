#include "session/run_calculation.h"

#include "form/controls.h"
#include "session/calculator_session.h"

namespace brakefell {

QString RunCalculation(FormState& form, EngineState& state, Edition edition) {
    const CalculationReport report =
        Calculate(form.characterSheet(), form.catalogue(), edition, state);
    for (int k = 0; k < static_cast<int>(report.txtResult.size()); ++k) {
        const QString name = IndexedName("txtResult", k);
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

void CalculatorSession::calculate() {
    const QString refusal = RunCalculation(*form_, *engine_, edition_);
    if (!refusal.isEmpty()) {
        prompts_.showMessage(refusal);
    }
}

}  // namespace brakefell
