#include "analysis/analysis_csv.h"

#include "text/strings.h"

namespace brakefell {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

// The units a figure is shown with: a share, and the seconds of a kill or a cycle.
constexpr std::u16string_view kUnits[] = {u"%", u"초"};

// "+1,234.5%" as 1234.5, "36.19초" as 36.19; nullopt for a text that is not one figure.
std::optional<std::u16string> PlainFigure(std::u16string_view shown) {
    std::u16string plain;
    std::size_t at = 0;
    if (at < shown.size() && (shown[at] == u'+' || shown[at] == u'-')) {
        if (shown[at] == u'-') {
            plain += u'-';
        }
        ++at;
    }
    for (const std::u16string_view unit : kUnits) {
        if (shown.ends_with(unit)) {
            shown.remove_suffix(unit.size());
            break;
        }
    }
    bool digits = false;
    bool point = false;
    for (; at < shown.size(); ++at) {
        const char16_t c = shown[at];
        if (IsDigit(c)) {
            digits = true;
            plain += c;
        } else if (c == u',' && digits && !point && at + 3 < shown.size() + 0 &&
                   IsDigit(shown[at + 1]) && IsDigit(shown[at + 2]) && IsDigit(shown[at + 3]) &&
                   (at + 4 == shown.size() || !IsDigit(shown[at + 4]))) {
            continue;  // digit grouping: a comma before each three digits
        } else if (c == u'.' && digits && !point) {
            point = true;
            plain += c;
        } else {
            return std::nullopt;
        }
    }
    if (!digits || plain.back() == u'.') {
        return std::nullopt;
    }
    return plain;
}

// "+203,276 (+0.08%)": a figure with its share, as two plain figures, and whether the second is a
// percentage.
struct FigurePair {
    std::u16string first;
    std::u16string second;
    bool percent = false;
};

std::optional<FigurePair> PlainPair(std::u16string_view shown) {
    const std::size_t open = shown.find(u" (");
    if (open == std::u16string_view::npos || !shown.ends_with(u')')) {
        return std::nullopt;
    }
    const std::u16string_view inner = shown.substr(open + 2, shown.size() - open - 3);
    std::optional<std::u16string> first = PlainFigure(shown.substr(0, open));
    std::optional<std::u16string> second = PlainFigure(inner);
    if (!first || !second) {
        return std::nullopt;
    }
    return FigurePair{std::move(*first), std::move(*second), inner.ends_with(u'%')};
}

std::u16string Quoted(std::u16string_view text) {
    if (text.find_first_of(u",\"\n\r") == std::u16string_view::npos) {
        return std::u16string(text);
    }
    std::u16string quoted = u"\"";
    for (const char16_t c : text) {
        quoted += c;
        if (c == u'"') {
            quoted += u'"';
        }
    }
    return quoted + u'"';
}

std::u16string CsvLine(const std::vector<std::u16string>& fields) {
    std::u16string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        line += (i > 0 ? u"," : u"") + fields[i];
    }
    return line + u'\n';
}

}  // namespace

std::u16string CsvField(std::u16string_view shown) {
    if (shown.empty() || shown == kNoValue) {
        return {};
    }
    if (std::optional<std::u16string> figure = PlainFigure(shown)) {
        return *figure;
    }
    return Quoted(shown);
}

std::string AnalysisPageCsv(const AnalysisPage& page) {
    std::u16string text;
    for (const AnalysisTable& table : page.tables) {
        if (!text.empty()) {
            text += u'\n';
        }
        // A column of figures with their shares becomes two: "올리면" and "올리면 %".
        std::vector<std::optional<FigurePair>> pairs(table.columns.size());
        for (const TableRow& row : table.rows) {
            for (std::size_t c = 0; c < row.cells.size() && c < pairs.size(); ++c) {
                if (!pairs[c]) {
                    pairs[c] = PlainPair(row.cells[c].text);
                }
            }
        }
        std::vector<std::u16string> fields;
        for (std::size_t c = 0; c < table.columns.size(); ++c) {
            fields.push_back(Quoted(table.columns[c].caption));
            if (pairs[c]) {
                fields.push_back(
                    Quoted(table.columns[c].caption + (pairs[c]->percent ? u" %" : u" (괄호)")));
            }
        }
        text += CsvLine(fields);
        for (const TableRow& row : table.rows) {
            fields.clear();
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                const std::u16string& shown = row.cells[c].text;
                if (c < pairs.size() && pairs[c]) {
                    std::optional<FigurePair> pair = PlainPair(shown);
                    fields.push_back(pair ? pair->first : CsvField(shown));
                    fields.push_back(pair ? pair->second : std::u16string());
                } else {
                    fields.push_back(CsvField(shown));
                }
            }
            text += CsvLine(fields);
        }
    }
    return Utf8OfUtf16(text);
}

}  // namespace brakefell
