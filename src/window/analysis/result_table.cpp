#include "window/analysis/result_table.h"

#include <QHeaderView>

namespace brakefell {

QTableWidget* MakeResultTable(const QStringList& headers, const QString& name,
                              const QString& spokenName, QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setObjectName(name);
    table->setAccessibleName(spokenName);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setTabKeyNavigation(false);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Sized to the contents once per refresh: a header that resizes to its contents on every
    // cell set would measure the table again for each of them.
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(false);
    return table;
}

QTableWidgetItem* ResultCell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

}  // namespace brakefell
