#include "window/analysis/sorted_item.h"

#include <limits>

namespace brakefell {

SortedItem::SortedItem(const QString& text, std::optional<double> key) : QTableWidgetItem(text) {
    setData(Qt::UserRole, key.value_or(-std::numeric_limits<double>::infinity()));
    setFlags(flags() & ~Qt::ItemIsEditable);
    if (key) {
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

bool SortedItem::operator<(const QTableWidgetItem& other) const {
    const double key = data(Qt::UserRole).toDouble();
    const double otherKey = other.data(Qt::UserRole).toDouble();
    if (key == otherKey) {
        return text() < other.text();  // the names, and equal numbers by their names
    }
    return key < otherKey;
}

}  // namespace brakefell
