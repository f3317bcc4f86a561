// Each analysis as the tables every face shows: the columns, one row's texts and tones on the
// default character (written from the tool's frozen output), and that each sort key orders the
// rows as the numbers shown do.
#include "analysis/analysis_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "analysis_fixtures.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

using testing::StartedForm;

const Metric kDps{MetricKind::DamagePerSecond, 0};
constexpr Tone B = Tone::Better;
constexpr Tone W = Tone::Worse;
constexpr Tone N = Tone::Neutral;

// The default character, and B as the tool's tests save it: more main stat and attack speed.
const FormState& Now() {
    static const StartedForm now;
    return now.form;
}
const FormState& Stronger() {
    static StartedForm stronger;
    static const bool typed = [] {
        stronger.form.setText(u"txtMainStat", u"9100");
        stronger.form.setText(u"txtAttackSpeed", u"31");
        return true;
    }();
    EXPECT_TRUE(typed);
    return stronger.form;
}
MetricProbe Probe() {
    return MetricProbe(Now().catalogue(), kDps);
}

struct PageCase {
    const char* name;
    std::function<AnalysisPage()> build;
    std::size_t table;
    std::vector<std::u16string> columns;
    std::size_t row;
    std::vector<std::u16string> texts;
    std::vector<Tone> rowTones;         // each row's first cell, top to bottom; empty: not checked
    std::vector<std::u16string> lines;  // the summary, then the notes
};

void PrintTo(const PageCase& pageCase, std::ostream* out) {
    *out << pageCase.name;
}

std::vector<PageCase> Cases() {
    const auto statValues = [](TableForm form) {
        return [form] {
            return StatValuesPage(ComputeStatValues(Now().characterSheet(), Probe()), form);
        };
    };
    const auto comparison = [](bool swapped, TableForm form) {
        return [swapped, form] {
            return ComparisonPage(
                CompareBuilds(swapped ? Stronger() : Now(), swapped ? Now() : Stronger(), kDps),
                form);
        };
    };
    const auto optimization = [](TableForm form) {
        return [form] {
            static const Optimization best =
                Optimize(Now().characterSheet(), Probe(), {.runes = true}, 5);
            return OptimizationPage(best, kDps, Now(), form);
        };
    };
    const std::vector<Tone> better{B, B, B, B, N, N, B, B, B, B, B, B, N, N, B, N, B, B, B};
    const std::vector<Tone> worse{W, W, W, W, N, N, W, W, W, W, W, W, N, N, W, N, W, W, W};
    return {
        {"StatValuesPrinted",
         statValues(TableForm::Printed),
         0,
         {u"칸", u"한 단계", u"올리면", u"내리면", u"민첩 환산"},
         0,
         {u"무기 추가 공속", u"1", u"+203,276 (+0.08%)", u"-203,276 (-0.08%)", u"7.2"},
         {},
         {u"기준: 253,836,074", u"다음 구간까지 +22.40%p → +3.06% (261,610,508)",
          u"아래 구간까지 -1.84%p → -13.20% (220,334,591)"}},
        {"StatValuesBrowsed",
         statValues(TableForm::Browsed),
         0,
         {u"입력", u"한 단계", u"올리면", u"올리면 %", u"내리면", u"내리면 %", u"민첩 환산"},
         10,
         {u"극대피해", u"10", u"+4,339,281", u"+1.71%", u"-4,339,281", u"-1.71%", u"152.7"},
         {},
         {}},
        {"CliffsBrowsed",
         statValues(TableForm::Browsed),
         1,
         {u"공격속도 구간", u"공격속도", u"지표"},
         1,
         {u"아래 구간까지 -1.84%p → -13.20%", u"25.16", u"220,334,591"},
         {Tone::Cliff, Tone::Cliff},
         {}},
        {"ComparisonPrinted",
         comparison(false, TableForm::Printed),
         0,
         {u"항목", u"A", u"B", u"차이", u"%"},
         6,
         {u"처치 시간(쇠뇌 1개)", u"36.19초", u"34.83초", u"-1.36초", u"-3.75%"},
         better,
         {}},
        // The window reads B as the baseline 기준 and the inputs of now as the build under test.
        {"ComparisonBrowsed",
         comparison(false, TableForm::Browsed),
         0,
         {u"항목", u"기준 (B)", u"지금", u"차이 (지금 − 기준)", u"% (기준 대비)"},
         4,
         {u"증통제 피해량(정예몹, 초당)", u"-", u"-", u"-", u"-"},
         worse,
         {}},
        {"ComparisonBrowsedSwapped",
         comparison(true, TableForm::Browsed),
         0,
         {u"항목", u"기준 (B)", u"지금", u"차이 (지금 − 기준)", u"% (기준 대비)"},
         6,
         {u"처치 시간(쇠뇌 1개)", u"36.19초", u"34.83초", u"-1.36초", u"-3.75%"},
         better,
         {}},
        {"InputsPrinted",
         comparison(false, TableForm::Printed),
         1,
         {u"칸", u"이름", u"A", u"B"},
         1,
         {u"txtAttackSpeed", u"공격속도", u"27", u"31"},
         {N, N},
         {}},
        {"InputsBrowsed",
         comparison(false, TableForm::Browsed),
         1,
         {u"입력", u"기준 (B)", u"지금"},
         0,
         {u"민첩", u"9100", u"8830"},
         {N, N},
         {}},
        {"SweepPrinted",
         [] {
             const NumberBox* box = FindNumberBox(u"txtAttackSpeed");
             return SweepPage(std::get<Sweep>(
                 ComputeSweep(Now().characterSheet(), {box, 20, 40, 0.5}, Probe())));
         },
         0,
         {u"값", u"초당 피해량(정예)"},
         11,
         {u"25.5", u"253,581,979"},
         {},
         {u"쇠뇌 공속 구간이 바뀌는 곳: 25.17"}},
        {"OptimizationPrinted",
         optimization(TableForm::Printed),
         0,
         {u"순위", u"초당 피해량(정예)", u"변화", u"최고와 차이", u"바꿀 것"},
         0,
         {u"1", u"305,198,866", u"+20.23%", u"0.00%",
          u"사용 스킬 5 룬: 잉걸 쇠뇌 → 화약 쇠뇌 (같은 값 215가지)"},
         {},
         {u"지금: 253,836,074, 계산한 조합: 46,656가지", u"지금 빌드: 2위, 최고보다 16.83% 낮음"}},
        {"OptimizationBrowsed",
         optimization(TableForm::Browsed),
         0,
         {u"순위", u"지표", u"변화", u"최고와 차이", u"바꿀 것"},
         4,
         {u"5", u"236,999,645", u"-6.63%", u"22.35%",
          u"사용 스킬 2 룬: 연쇄 폭발탄 → 흩어지는 탄, 사용 스킬 5 룬: 잉걸 쇠뇌 → 화약 쇠뇌 "
          u"(같은 값 215가지)"},
         {},
         {u"46,656가지 조합을 모두 계산했습니다.", u"지금 빌드: 2위, 최고보다 16.83% 낮음"}},
        {"History",
         [] {
             return HistoryPage({u"09:00", u"09:05", u"09:10", u"09:15"},
                                {u"", u"민첩 8000→9000", u"공격속도 27→24", u"변화 없음"},
                                {{900, std::nullopt},
                                 {1000, 100},
                                 {std::nullopt, std::nullopt},
                                 {850.5, std::nullopt}},
                                kDps, 2);
         },
         0,
         {u"시각", u"지표", u"차이", u"바뀐 입력"},
         1,
         {u"09:10", u"계산 불가", u"", u"공격속도 27→24"},
         {N, N, N, N},
         {u"기록 파일의 손상된 줄 2개를 건너뛰었습니다."}},
    };
}

// The number a cell's text shows ("+4,339,281 (+1.71%)" shows 4339281), if it shows one.
std::optional<double> ShownNumber(const std::u16string& text) {
    std::string digits;
    for (const char16_t c : text) {
        if (c == u' ' || c == u'초' || c == u'%') {
            break;
        }
        if (c != u',') {
            digits += static_cast<char>(c < 0x80 ? c : '?');
        }
    }
    char* end = nullptr;
    const double value = std::strtod(digits.c_str(), &end);
    return !digits.empty() && end == digits.c_str() + digits.size() ? std::optional(value)
                                                                    : std::nullopt;
}

class AnalysisPages : public ::testing::TestWithParam<PageCase> {};

TEST_P(AnalysisPages, ColumnsRowTonesLinesAndSortKeys) {
    const PageCase& expected = GetParam();
    const AnalysisPage page = expected.build();
    ASSERT_GT(page.tables.size(), expected.table);
    const AnalysisTable& table = page.tables[expected.table];

    std::vector<std::u16string> columns;
    for (const TableColumn& column : table.columns) {
        columns.push_back(column.caption);
    }
    EXPECT_EQ(columns, expected.columns);
    ASSERT_GT(table.rows.size(), expected.row);
    std::vector<std::u16string> texts;
    for (const TableCell& cell : table.rows[expected.row].cells) {
        texts.push_back(cell.text);
    }
    EXPECT_EQ(texts, expected.texts);
    if (!expected.rowTones.empty()) {
        std::vector<Tone> tones;
        for (const TableRow& row : table.rows) {
            tones.push_back(row.cells.at(0).tone);
            for (const TableCell& cell : row.cells) {
                EXPECT_EQ(cell.tone, row.cells[0].tone) << "a row has one tone";
            }
        }
        EXPECT_EQ(tones, expected.rowTones);
    }
    if (!expected.lines.empty()) {
        std::vector<std::u16string> lines;
        for (const std::vector<TableLine>* part : {&page.summary, &page.notes}) {
            for (const TableLine& line : *part) {
                lines.push_back(line.text);
            }
        }
        EXPECT_EQ(lines, expected.lines);
    }

    // Any two rows whose shown numbers differ sort by their keys in the same order; a column of
    // words has no keys.
    int compared = 0;
    for (std::size_t c = 0; c < table.columns.size(); ++c) {
        for (const TableRow& a : table.rows) {
            for (const TableRow& b : table.rows) {
                const TableCell& x = a.cells.at(c);
                const TableCell& y = b.cells.at(c);
                const auto shownX = ShownNumber(x.text);
                const auto shownY = ShownNumber(y.text);
                if (!shownX || !shownY || *shownX >= *shownY || (!x.sortKey && !y.sortKey)) {
                    continue;  // not two numbers, or words such as an input's text
                }
                ASSERT_TRUE(x.sortKey && y.sortKey) << Utf8OfUtf16(x.text) << " has no key";
                EXPECT_LT(*x.sortKey, *y.sortKey)
                    << Utf8OfUtf16(x.text) << " sorts after " << Utf8OfUtf16(y.text);
                ++compared;
            }
        }
    }
    const bool keyed = std::ranges::any_of(table.rows, [](const TableRow& row) {
        return std::ranges::any_of(row.cells,
                                   [](const TableCell& cell) { return cell.sortKey.has_value(); });
    });
    EXPECT_EQ(compared > 0, keyed);
}

INSTANTIATE_TEST_SUITE_P(EveryAnalysis, AnalysisPages, ::testing::ValuesIn(Cases()),
                         [](const auto& info) { return std::string(info.param.name); });

// The printed page lines its columns up for a fixed-pitch Korean font and dashes what has no value.
TEST(AnalysisPageText, ColumnsAsWideAsTheirWidestCellTwoBlanksApart) {
    AnalysisPage page;
    page.heading = u"제목";
    page.summary.push_back({u"기준: 1"});
    AnalysisTable table;
    table.columns = {{u"칸", CellAlign::Left}, {u"값"}};
    table.addRow({TextCell(u"민첩"), NumberCell(u"1,000", 1000)}, 0);
    table.addRow({TextCell(u"a"), NumberCell(u"", std::nullopt)}, 1);
    page.tables.push_back(table);
    AnalysisTable empty;
    empty.title = u"다른 입력: 0개";
    empty.columns = {{u"칸", CellAlign::Left}};
    page.tables.push_back(empty);
    page.notes.push_back({u"끝", Tone::Cliff});
    EXPECT_EQ(AnalysisPageText(page),
              u"제목\n기준: 1\n\n"
              u"칸       값\n"
              u"민첩  1,000\n"
              u"a         -\n"
              u"\n다른 입력: 0개\n"
              u"\n끝\n");
}

}  // namespace
}  // namespace brakefell
