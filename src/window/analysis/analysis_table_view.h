#pragma once
// A read-only table of "빌드 분석" over its own AnalysisTableModel and sorting proxy: whole rows
// selected, Tab moving on to the next control rather than through the cells.

#include <QTableView>
#include <optional>
#include <vector>

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

    // The columns to leave out, first to last, while the view is too narrow to show every column
    // as wide as its contents: a narrow window drops whole columns rather than clip them.
    void setDropOrder(std::vector<int> columns);

    // Leaves out (or shows again) the rows whose figures move neither way.
    void setHidesUnchanged(bool hides) { proxy_.setHidesUnchanged(hides); }

    const AnalysisTableModel& tableModel() const { return model_; }
    // The model's row of a row as the view shows it.
    int sourceRow(int viewRow) const;
    // The analysis' entry (TableRow::item) of the current row; nullopt when there is none.
    std::optional<std::size_t> currentItem() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    // Shows the columns that fit in the view's width, as measured at the last show.
    void dropColumnsThatDoNotFit();

    Fit fit_;
    std::vector<int> dropOrder_;
    std::vector<int> contentWidths_;  // each column's, measured at the last show
    AnalysisTableModel model_;
    AnalysisSortProxy proxy_;
};

}  // namespace brakefell
