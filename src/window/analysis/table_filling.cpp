#include "window/analysis/table_filling.h"

#include <QHeaderView>

namespace brakefell {

TableFilling::TableFilling(QTableWidget& table) : table_(table), sorted_(table.isSortingEnabled()) {
    table_.setUpdatesEnabled(false);
    table_.setSortingEnabled(false);
}

TableFilling::~TableFilling() {
    table_.setSortingEnabled(sorted_);
    QHeaderView& header = *table_.horizontalHeader();
    header.setSectionResizeMode(0, QHeaderView::Interactive);
    table_.resizeColumnsToContents();
    header.setSectionResizeMode(0, QHeaderView::Stretch);
    table_.setUpdatesEnabled(true);
}

}  // namespace brakefell
