#pragma once
// An analysis table (analysis/analysis_page.h) as Qt's item views read it: the cells' texts,
// their alignment, their tone as a background colour, and their sort key under kSortRole. Every
// table of "빌드 분석" is one of these behind an AnalysisSortProxy.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>

#include "analysis/analysis_page.h"

namespace brakefell {

class AnalysisTableModel : public QAbstractTableModel {
  public:
    // The cell's sort key as a double; no value for a cell that sorts by its text.
    static constexpr int kSortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    // Replaces the rows (and the columns) at once.
    void setTable(AnalysisTable table);
    const AnalysisTable& table() const { return table_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    AnalysisTable table_;
};

// Sorts by the cells' keys: cells without a key first, by their text, then the numbers; equal
// numbers by their text. "1,000" after "900", as the numbers are.
// Leaves out the rows marked unchanged while asked to (TableRow::unchanged).
class AnalysisSortProxy : public QSortFilterProxyModel {
  public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setHidesUnchanged(bool hides);
    bool hidesUnchanged() const { return hidesUnchanged_; }

  protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

  private:
    bool hidesUnchanged_ = false;
};

}  // namespace brakefell
