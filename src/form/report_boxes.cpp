#include "form/report_boxes.h"

#include "engine/report/calculation_report.h"

namespace brakefell {

std::vector<ReportBox> ReportBoxesInReadingOrder(const FormState& form) {
    const bool frameShows = form.at(u"fraMoreDamage").visible;
    std::vector<ReportBox> boxes;
    const auto add = [&](const ControlState& box, bool inFrame) {
        boxes.push_back({box.name, box.text, box.visible && (!inFrame || frameShows)});
    };
    for (int k = 0; k < kResultBoxCount; ++k) {
        // txtResult(7) and (8) stand inside fraMoreDamage.
        add(form.at(IndexedName("txtResult", k)), k == 7 || k == 8);
    }
    add(form.at(u"txtBowCycleResult"), false);
    return boxes;
}

}  // namespace brakefell
