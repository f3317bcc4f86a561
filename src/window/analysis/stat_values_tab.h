#pragma once
// "스탯 가치": what one step of each number box is worth now, the main stat that would give as
// much, and the two attack-speed cliffs as their own highlighted rows.

#include <QTableWidget>

#include "analysis/stat_values.h"
#include "window/analysis/analysis_runner.h"
#include "window/analysis/analysis_tab.h"
#include "window/analysis/note_or_content.h"

namespace brakefell {

class StatValuesTab : public AnalysisTab {
  public:
    StatValuesTab(AnalysisRunner& runner, QWidget* parent);

    void refresh(const AnalysisInputs& inputs) override;

    QTableWidget& table() { return *table_; }
    QTableWidget& cliffs() { return *cliffs_; }
    NoteOrContent& pages() { return *pages_; }

  private:
    void show(const std::optional<StatValues>& values, const QString& note);
    void showRows(const StatValues& values);
    void showCliffs(const StatValues& values);

    AnalysisRunner& runner_;
    NoteOrContent* pages_;
    QTableWidget* cliffs_;
    QTableWidget* table_;
};

}  // namespace brakefell
