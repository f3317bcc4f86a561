#pragma once
// A read-only table of "빌드 분석" over its own AnalysisTableModel and sorting proxy: whole rows
// selected, Tab moving on to the next control rather than through the cells.

#include <QTableView>
#include <optional>

#include "window/analysis/analysis_table_model.h"

namespace brakefell {

class AnalysisTableView : public QTableView {
  public:
    enum class Fit {
        FirstStretches,  // sized to the contents at each show, the first column taking the room
        LastStretches,   // sized to the contents as they change, the last column taking the room
    };

    AnalysisTableView(const QString& name, const QString& spokenName, Fit fit, QWidget* parent);

    // Shows these rows, sorted as the view is sorted.
    void showTable(AnalysisTable table);
    // Shows no rows, keeping the columns.
    void clearRows();

    const AnalysisTableModel& tableModel() const { return model_; }
    // The model's row of a row as the view shows it.
    int sourceRow(int viewRow) const;
    // The analysis' entry (TableRow::item) of the current row; nullopt when there is none.
    std::optional<std::size_t> currentItem() const;

  private:
    Fit fit_;
    AnalysisTableModel model_;
    AnalysisSortProxy proxy_;
};

}  // namespace brakefell
