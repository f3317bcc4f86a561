#pragma once
// A table cell that shows a text and sorts by a number (an empty cell sorts first).

#include <QTableWidgetItem>
#include <optional>

namespace brakefell {

class SortedItem : public QTableWidgetItem {
  public:
    SortedItem(const QString& text, std::optional<double> key);

    bool operator<(const QTableWidgetItem& other) const override;
};

}  // namespace brakefell
