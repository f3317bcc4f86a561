// An analysis for a spreadsheet: each figure as the player reads it, plainly, and the same figure
// the table shows.
#include "analysis/analysis_csv.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysis_pages.h"
#include "analysis_fixtures.h"
#include "text/strings.h"

namespace brakefell {
namespace {

TEST(AnalysisCsv, CellsAreWrittenPlainly) {
    const std::pair<std::u16string, std::u16string> cells[] = {
        {u"+1,234.5%", u"1234.5"},
        {u"-0.87", u"-0.87"},
        {u"36.19초", u"36.19"},
        {u"253,836,074", u"253836074"},
        {u"-", u""},
        {u"", u""},
        {u"민첩", u"민첩"},
        {u"a, b", u"\"a, b\""},
        {u"say \"hi\"", u"\"say \"\"hi\"\"\""},
        {u"1,23", u"\"1,23\""},
        {u"12위", u"12위"},
        {u"1.", u"1."},
        {u"+", u"+"},
        {u"1,234,5678", u"\"1,234,5678\""},
    };
    for (const auto& [shown, field] : cells) {
        EXPECT_EQ(CsvField(shown), field) << Utf8OfUtf16(shown);
    }
}

// The fields of one CSV line, quotes taken off.
std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

// Every cell that sorts by a number appears in the CSV as that number to the digits shown: what a
// spreadsheet reads is the figure of the table, not another.
TEST(AnalysisCsv, EveryFigureIsTheTablesOwn) {
    testing::StartedForm now;
    const MetricProbe probe(now.form.catalogue(), {MetricKind::DamagePerSecond, 0});
    const CharacterSheet sheet = now.form.characterSheet();
    const AnalysisPage pages[] = {
        StatValuesPage(ComputeStatValues(sheet, probe), TableForm::Printed),
        OptimizationPage(Optimize(sheet, probe, {.runes = true}, 5), probe.metric(), now.form,
                         TableForm::Printed),
    };
    for (const AnalysisPage& page : pages) {
        std::istringstream csv(AnalysisPageCsv(page));
        std::string line;
        std::getline(csv, line);
        const std::size_t columns = Fields(line).size();
        for (const TableRow& row : page.tables.at(0).rows) {
            ASSERT_TRUE(std::getline(csv, line));
            const std::vector<std::string> fields = Fields(line);
            EXPECT_EQ(fields.size(), columns) << line;
            // A split column puts its figure first; the column after it is its share.
            std::size_t at = 0;
            for (const TableCell& cell : row.cells) {
                const std::string& field = fields.at(at);
                at += Utf8OfUtf16(cell.text).find(" (") != std::string::npos &&
                              cell.text.back() == u')'
                          ? 2
                          : 1;
                if (!cell.sortKey || field.empty() ||
                    field.find_first_not_of("-.0123456789") != std::string::npos) {
                    continue;
                }
                const std::size_t point = field.find('.');
                const int decimals =
                    point == std::string::npos ? 0 : static_cast<int>(field.size() - point - 1);
                EXPECT_NEAR(std::stod(field), *cell.sortKey,
                            0.5 * std::pow(10.0, -decimals) + 1e-9 * std::abs(*cell.sortKey))
                    << line;
            }
        }
    }
}

}  // namespace
}  // namespace brakefell
