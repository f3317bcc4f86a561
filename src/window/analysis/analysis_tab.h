#pragma once
// What every tab of "빌드 분석" is given when the main window's inputs or the metric change: a
// copy of the inputs of that moment, which the tab's calculation may read on a worker thread
// while the person types on (analysis_runner.h).

#include <QString>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <utility>

#include "analysis/metric.h"
#include "catalogue/skill_catalogue.h"
#include "engine/character_sheet.h"
#include "form/form_state.h"

namespace brakefell {

struct AnalysisInputs {
    AnalysisInputs(std::uint64_t generation, FormState inputs)
        : generation(generation), inputs(std::move(inputs)) {}

    CharacterSheet sheet() const { return inputs.characterSheet(); }
    const SkillCatalogue& catalogue() const { return inputs.catalogue(); }

    std::uint64_t generation = 0;  // the session's inputs generation they were read at
    FormState inputs;              // a copy of the main window's inputs then
    std::optional<Metric> metric;  // nullopt: no numbers, see `note`
    QString note;                  // why there are no numbers; empty when there are
    std::optional<Metric> chosen;  // the chooser's metric, whatever the inputs of now give
};

class AnalysisTab : public QWidget {
  public:
    using QWidget::QWidget;

    // Starts the analysis of these inputs; it shows once reckoned, unless the inputs have moved
    // on by then. Called for the tab in front only.
    virtual void refresh(const AnalysisInputs& inputs) = 0;
};

}  // namespace brakefell
