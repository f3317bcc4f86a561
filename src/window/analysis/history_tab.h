#pragma once
// "기록": every calculation of this and earlier runs, newest first, with the chosen metric and its
// change from the calculation before. Double-click or Enter on a row has the session restore its
// inputs and calculate.

#include <memory>
#include <optional>
#include <vector>

#include "analysis/history_values.h"
#include "engine/character_sheet.h"
#include "platform/clock.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class HistoryTab : public AnalysisTab {
  public:
    HistoryTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

    AnalysisTableView& table() { return *table_; }
    NoteOrContent& pages() { return *pages_; }

  private:
    using Sheets = std::vector<std::optional<CharacterSheet>>;
    // What a run reckons off the window's thread.
    struct Valued {
        std::vector<HistoryEntry> entries;  // oldest first
        std::shared_ptr<const Sheets> sheets;
        std::vector<HistoryValue> values;
    };
    void show(const Valued& valued, const std::optional<Metric>& chosen);
    void restoreRow(int row);

    CalculatorSession& session_;
    AnalysisRunner& runner_;
    NoteOrContent* pages_;
    AnalysisTableView* table_;
    // Each entry's inputs, read once: what the table shows again when only the metric changes.
    std::shared_ptr<const Sheets> sheets_;
    std::optional<UtcMillis> newestRead_;
    std::vector<HistoryEntry> shown_;  // the entries the table shows, oldest first
};

}  // namespace brakefell
