#include "window/analysis/analysis_table_model.h"

#include <QColor>
#include <utility>

#include "desktop_adapters/qt_text.h"

namespace brakefell {
namespace {

// Light enough for black text: B better, B worse, where the sentries change bracket.
QVariant ColourOf(Tone tone) {
    switch (tone) {
        case Tone::Better:
            return QColor(214, 245, 214);
        case Tone::Worse:
            return QColor(250, 214, 214);
        case Tone::Cliff:
            return QColor(255, 244, 200);
        case Tone::Neutral:
            break;
    }
    return {};
}

}  // namespace

void AnalysisTableModel::setTable(AnalysisTable table) {
    beginResetModel();
    table_ = std::move(table);
    endResetModel();
}

int AnalysisTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int AnalysisTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(table_.columns.size());
}

QVariant AnalysisTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const std::vector<TableCell>& cells = table_.rows[static_cast<std::size_t>(index.row())].cells;
    if (static_cast<std::size_t>(index.column()) >= cells.size()) {
        return {};
    }
    const TableCell& cell = cells[static_cast<std::size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return QStringOf(cell.text);
        case Qt::TextAlignmentRole:
            // Numbers sit at the right as in the report.
            return cell.align == CellAlign::Right ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                                                  : QVariant();
        case Qt::BackgroundRole:
            return ColourOf(cell.tone);
        case kSortRole:
            return cell.sortKey ? QVariant(*cell.sortKey) : QVariant();
        default:
            return {};
    }
}

QVariant AnalysisTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= columnCount()) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return QStringOf(table_.columns[static_cast<std::size_t>(section)].caption);
}

void AnalysisSortProxy::setHidesUnchanged(bool hides) {
    if (hides != hidesUnchanged_) {
        hidesUnchanged_ = hides;
        invalidateRowsFilter();
    }
}

bool AnalysisSortProxy::filterAcceptsRow(int sourceRow, const QModelIndex& /*sourceParent*/) const {
    const auto* model = static_cast<const AnalysisTableModel*>(sourceModel());
    return !hidesUnchanged_ ||
           !model->table().rows.at(static_cast<std::size_t>(sourceRow)).unchanged;
}

bool AnalysisSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    const QVariant a = left.data(AnalysisTableModel::kSortRole);
    const QVariant b = right.data(AnalysisTableModel::kSortRole);
    if (a.isValid() != b.isValid()) {
        return !a.isValid();
    }
    if (a.isValid() && a.toDouble() != b.toDouble()) {
        return a.toDouble() < b.toDouble();
    }
    return left.data().toString() < right.data().toString();
}

}  // namespace brakefell
