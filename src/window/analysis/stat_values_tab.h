#pragma once
// "스탯 가치": what one step of each number box is worth now, the main stat that would give as
// much, and the two attack-speed cliffs as their own highlighted rows. Boxes that change nothing
// either way are left out unless the player asks for them.

#include <QCheckBox>

#include "analysis/analysis_page.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/analysis_table_view.h"
#include "window/analysis/csv_button.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class StatValuesTab : public AnalysisTab {
  public:
    StatValuesTab(AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

  private:
    void showPage(AnalysisPage page);

    AnalysisRunner& runner_;
    NoteOrContent* pages_;
    AnalysisTableView* cliffs_;
    AnalysisTableView* table_;
    QCheckBox* showUnchanged_;
    CsvButton* csv_;
};

}  // namespace brakefell
