#pragma once
// "기록": every calculation of this and earlier runs, newest first, with the chosen metric and its
// change from the calculation before. Double-click or Enter on a row restores its inputs and
// presses "계산".

#include <optional>
#include <vector>

#include "engine/character_sheet.h"
#include "platform/clock.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class CalculatorWindow;

class HistoryTab : public AnalysisTab {
  public:
    HistoryTab(CalculatorWindow& mainWindow, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

    AnalysisTableView& table() { return *table_; }
    NoteOrContent& pages() { return *pages_; }

  private:
    void readSheets(const FormState& now);
    void restoreRow(int row);

    CalculatorWindow& mainWindow_;
    NoteOrContent* pages_;
    AnalysisTableView* table_;
    // Each entry's inputs, read once: what the table shows again when only the metric changes.
    std::vector<std::optional<CharacterSheet>> sheets_;
    std::optional<UtcMillis> newestRead_;
};

}  // namespace brakefell
