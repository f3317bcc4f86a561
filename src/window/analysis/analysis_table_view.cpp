#include "window/analysis/analysis_table_view.h"

#include <QHeaderView>
#include <QScrollBar>
#include <iterator>
#include <utility>

namespace brakefell {

AnalysisTableView::AnalysisTableView(const QString& name, const QString& spokenName, Fit fit,
                                     QWidget* parent)
    : QTableView(parent), fit_(fit) {
    proxy_.setSourceModel(&model_);
    proxy_.setSortRole(AnalysisTableModel::kSortRole);
    setModel(&proxy_);
    setObjectName(name);
    setAccessibleName(spokenName);
    verticalHeader()->hide();
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    QHeaderView& header = *horizontalHeader();
    if (fit_ == Fit::LastStretches) {
        header.setSectionResizeMode(QHeaderView::ResizeToContents);
        header.setStretchLastSection(true);
    } else {
        // Sized to the contents once per show: a header that resizes to its contents on every
        // change would measure the table again and again.
        header.setSectionResizeMode(QHeaderView::Interactive);
        header.setStretchLastSection(false);
    }
}

void AnalysisTableView::showTable(AnalysisTable table) {
    setUpdatesEnabled(false);
    model_.setTable(std::move(table));
    if (fit_ == Fit::FirstStretches && model_.columnCount() > 0) {
        QHeaderView& header = *horizontalHeader();
        header.setSectionResizeMode(0, QHeaderView::Interactive);
        for (int column = 0; column < model_.columnCount(); ++column) {
            setColumnHidden(column, false);  // measured all, then dropped again as they fit
        }
        resizeColumnsToContents();
        contentWidths_.clear();
        for (int column = 0; column < model_.columnCount(); ++column) {
            contentWidths_.push_back(columnWidth(column));
        }
        header.setSectionResizeMode(0, QHeaderView::Stretch);
        dropColumnsThatDoNotFit();
    }
    setUpdatesEnabled(true);
}

void AnalysisTableView::setDropOrder(std::vector<int> columns) {
    dropOrder_ = std::move(columns);
    dropColumnsThatDoNotFit();
}

void AnalysisTableView::resizeEvent(QResizeEvent* event) {
    QTableView::resizeEvent(event);
    dropColumnsThatDoNotFit();
}

void AnalysisTableView::dropColumnsThatDoNotFit() {
    if (dropOrder_.empty() || contentWidths_.empty()) {
        return;
    }
    int needed = 0;
    for (const int width : contentWidths_) {
        needed += width;
    }
    // The room beside a vertical scroll bar, whether or not it shows now: dropping a column
    // never brings the bar and the bar never brings back a column.
    const int room = width() - 2 * frameWidth() - verticalScrollBar()->sizeHint().width();
    for (const int column : dropOrder_) {
        const bool drop = needed > room && column < std::ssize(contentWidths_);
        setColumnHidden(column, drop);
        if (drop) {
            needed -= contentWidths_[static_cast<std::size_t>(column)];
        }
    }
}

void AnalysisTableView::clearRows() {
    AnalysisTable empty;
    empty.columns = model_.table().columns;
    showTable(std::move(empty));
}

int AnalysisTableView::sourceRow(int viewRow) const {
    return proxy_.mapToSource(proxy_.index(viewRow, 0)).row();
}

std::optional<std::size_t> AnalysisTableView::currentItem() const {
    const QModelIndex current = currentIndex();
    if (!current.isValid()) {
        return std::nullopt;
    }
    const int row = proxy_.mapToSource(current).row();
    if (row < 0 || row >= model_.rowCount()) {
        return std::nullopt;
    }
    return model_.table().rows[static_cast<std::size_t>(row)].item;
}

}  // namespace brakefell
