#include "analysis/analysis_page.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "text/cp949.h"
#include "text/number_format.h"

namespace brakefell {
namespace {

std::u16string Padded(const std::u16string& text, int width, CellAlign align) {
    return PadDisplayText(text, static_cast<std::int16_t>(width),
                          align == CellAlign::Left ? kAlignLeft : kAlignRight);
}

void AppendLine(std::u16string& text, std::u16string line) {
    while (!line.empty() && line.back() == u' ') {
        line.pop_back();
    }
    text += line;
    text += u'\n';
}

void AppendColumns(std::u16string& text, const AnalysisTable& table) {
    std::vector<int> widths;
    for (const TableColumn& column : table.columns) {
        widths.push_back(DisplayWidth(column.caption));
    }
    for (const TableRow& row : table.rows) {
        for (std::size_t c = 0; c < row.cells.size() && c < widths.size(); ++c) {
            widths[c] = std::max(widths[c], DisplayWidth(OrNoValue(row.cells[c].text)));
        }
    }
    const auto line = [&](const auto& cells, const auto& textOf, const auto& alignOf) {
        std::u16string joined;
        for (std::size_t c = 0; c < cells.size() && c < widths.size(); ++c) {
            if (c > 0) {
                joined += u"  ";
            }
            joined += Padded(textOf(cells[c]), widths[c], alignOf(cells[c]));
        }
        AppendLine(text, std::move(joined));
    };
    line(
        table.columns, [](const TableColumn& c) { return c.caption; },
        [](const TableColumn& c) { return c.align; });
    for (const TableRow& row : table.rows) {
        line(
            row.cells, [](const TableCell& c) { return OrNoValue(c.text); },
            [](const TableCell& c) { return c.align; });
    }
}

}  // namespace

void AnalysisTable::addRow(std::vector<TableCell> cells, std::size_t item) {
    for (std::size_t c = 0; c < cells.size() && c < columns.size(); ++c) {
        cells[c].align = columns[c].align;
    }
    rows.push_back({std::move(cells), item});
}

AnalysisPage NotePage(std::u16string note) {
    AnalysisPage page;
    page.summary.push_back({std::move(note)});
    return page;
}

TableCell NumberCell(std::u16string text, std::optional<double> key, Tone tone) {
    return {std::move(text), key, CellAlign::Right, tone};
}

TableCell TextCell(std::u16string text, Tone tone) {
    return {std::move(text), std::nullopt, CellAlign::Left, tone};
}

std::u16string OrNoValue(std::u16string text) {
    return text.empty() ? std::u16string(kNoValue) : std::move(text);
}

std::u16string AnalysisPageText(const AnalysisPage& page) {
    std::u16string text;
    if (!page.heading.empty()) {
        AppendLine(text, page.heading);
    }
    for (const TableLine& line : page.summary) {
        AppendLine(text, line.text);
    }
    for (const AnalysisTable& table : page.tables) {
        text += u'\n';
        if (!table.title.empty()) {
            AppendLine(text, table.title);
        }
        if (!table.rows.empty() || table.title.empty()) {
            AppendColumns(text, table);
        }
    }
    if (!page.notes.empty()) {
        text += u'\n';
        for (const TableLine& line : page.notes) {
            AppendLine(text, line.text);
        }
    }
    return text;
}

}  // namespace brakefell
