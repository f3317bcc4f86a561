#pragma once
// Filling a table at once: no drawing, sorting or measuring while its cells are set, then its
// columns sized to their contents once, the first one taking the room left.

#include <QTableWidget>

namespace brakefell {

class TableFilling {
  public:
    explicit TableFilling(QTableWidget& table);
    ~TableFilling();

    TableFilling(const TableFilling&) = delete;
    TableFilling& operator=(const TableFilling&) = delete;

  private:
    QTableWidget& table_;
    bool sorted_;
};

}  // namespace brakefell
