#pragma once
// The read-only tables of the analysis tabs: whole rows selected, Tab moving on to the next
// control rather than through the cells.

#include <QString>
#include <QStringList>
#include <QTableWidget>

namespace brakefell {

QTableWidget* MakeResultTable(const QStringList& headers, const QString& name,
                              const QString& spokenName, QWidget* parent);

// A cell of text; numbers sit at the right as in the report.
QTableWidgetItem* ResultCell(const QString& text, bool number);

}  // namespace brakefell
