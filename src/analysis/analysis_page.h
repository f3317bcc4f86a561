#pragma once
// One analysis as every face shows it: a heading, a few lines under it, tables of cells, and notes
// under the tables. A cell holds its text as shown, the number it sorts by, its alignment and its
// tone; a face decides only how a tone looks (the window colours it, the tool's text leaves it
// out). The headless tool prints a page as text (AnalysisPageText), the window shows its tables
// through one item model, and the page of the browser can show the same.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace brakefell {

enum class CellAlign { Left, Right };

// What a cell or a line says about the build, for a face to colour.
enum class Tone {
    Neutral,
    Better,  // better than what it is compared with, by the metric's direction
    Worse,
    Cliff,  // where the sentries change attack-speed bracket
};

// What printed text shows in a cell without a value.
inline constexpr char16_t kNoValue[] = u"-";

struct TableCell {
    std::u16string text;            // as shown; empty where there is no value
    std::optional<double> sortKey;  // nullopt: sorts by its text, before every number
    CellAlign align = CellAlign::Right;
    Tone tone = Tone::Neutral;
};

struct TableColumn {
    std::u16string caption;
    CellAlign align = CellAlign::Right;  // of the caption, and of the cells by default
};

struct TableRow {
    std::vector<TableCell> cells;
    std::size_t item = 0;    // which entry of the analysis' list the row shows (a rank, a record)
    bool unchanged = false;  // its figures move neither way: a face may leave it out
};

struct TableLine {
    std::u16string text;
    Tone tone = Tone::Neutral;
};

struct AnalysisTable {
    std::u16string title;  // a line above the table; empty for none
    std::vector<TableColumn> columns;
    std::vector<TableRow> rows;

    // A row of cells in the columns' order, each aligned as its column; `item` as TableRow's.
    void addRow(std::vector<TableCell> cells, std::size_t item);
};

struct AnalysisPage {
    std::u16string heading;  // "스탯 가치 - 초당 피해량(정예) (높을수록 좋음)"; may be empty
    std::vector<TableLine> summary;  // under the heading: "기준: …", or why there are no numbers
    std::vector<AnalysisTable> tables;
    std::vector<TableLine> notes;  // under the tables: the cliffs, where the brackets change

    // No table: the summary says why there are no numbers.
    bool isNote() const { return tables.empty(); }
};

// A page that only says why there are no numbers.
AnalysisPage NotePage(std::u16string note);

// A cell of a number: its text and the number it sorts by.
TableCell NumberCell(std::u16string text, std::optional<double> key, Tone tone = Tone::Neutral);
// A cell of words, sorted by them.
TableCell TextCell(std::u16string text, Tone tone = Tone::Neutral);
// The text, or kNoValue where it is empty: for tables that show a dash in every face.
std::u16string OrNoValue(std::u16string text);

// The page as UTF-16 text in columns for a fixed-pitch Korean font (a Korean syllable two columns
// wide): the heading, the summary, a blank line and the tables (each after a blank line and its
// title; a table without rows is its title alone), then a blank line and the notes. Columns are
// as wide as their widest cell, two blanks apart, without blanks at a line's end; an empty cell
// shows kNoValue. Lines end in LF.
std::u16string AnalysisPageText(const AnalysisPage& page);

}  // namespace brakefell
