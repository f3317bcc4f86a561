#pragma once
// A page's lines (its summary, its notes) as the text of one label, a line each.

#include <QString>
#include <QStringList>
#include <vector>

#include "analysis/analysis_page.h"
#include "desktop_adapters/qt_text.h"

namespace brakefell {

inline QString LinesText(const std::vector<TableLine>& lines) {
    QStringList texts;
    for (const TableLine& line : lines) {
        texts << QStringOf(line.text);
    }
    return texts.join(u'\n');
}

}  // namespace brakefell
