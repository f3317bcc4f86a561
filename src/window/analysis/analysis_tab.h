#pragma once
// What every tab of "빌드 분석" is given when the main window's inputs or the metric change.

#include <QString>
#include <QWidget>
#include <optional>

#include "analysis/metric.h"
#include "form/form_state.h"

namespace brakefell {

struct AnalysisInputs {
    const FormState& form;         // the main window's inputs now
    std::optional<Metric> metric;  // nullopt: no numbers, see `note`
    QString note;                  // why there are no numbers; empty when there are
    std::optional<Metric> chosen;  // the chooser's metric, whatever the inputs of now give
};

class AnalysisTab : public QWidget {
  public:
    using QWidget::QWidget;

    // Shows the analysis of these inputs; called for the tab in front only.
    virtual void refresh(const AnalysisInputs& inputs) = 0;
};

}  // namespace brakefell
