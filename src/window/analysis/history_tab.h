#pragma once
// "기록": every calculation of this and earlier runs, newest first, with the chosen metric, its
// change from the calculation before and the inputs that changed since then. Double-click or
// Enter on a row has the session restore its inputs and calculate; the highlight stays on the
// entry restored. A line above the table says how many damaged lines of the history file were
// skipped.

#include <QLabel>
#include <memory>
#include <optional>
#include <vector>

#include "analysis/history_readings.h"
#include "analysis/history_values.h"
#include "platform/clock.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/csv_button.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class HistoryTab : public AnalysisTab {
  public:
    HistoryTab(CalculatorSession& session, AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

  private:
    // What a run reckons off the window's thread.
    struct Valued {
        std::vector<HistoryEntry> entries;  // oldest first
        std::shared_ptr<const HistoryReadings> readings;
        std::vector<HistoryValue> values;
        int skippedLines = 0;
    };
    void show(const Valued& valued, const std::optional<Metric>& chosen);
    // The entry the highlight is on, if any.
    std::optional<HistoryEntry> highlighted() const;
    void highlight(const HistoryEntry& entry);
    void restoreRow(int row);

    CalculatorSession& session_;
    AnalysisRunner& runner_;
    NoteOrContent* pages_;
    CsvButton* csv_;
    QLabel* summary_;  // the line above the table; hidden when it has nothing to say
    AnalysisTableView* table_;
    // Each entry read once: what the table shows again when only the metric changes.
    std::shared_ptr<const HistoryReadings> readings_;
    std::optional<UtcMillis> newestRead_;
    std::vector<HistoryEntry> shown_;  // the entries the table shows, oldest first
};

}  // namespace brakefell
