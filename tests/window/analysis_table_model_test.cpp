// The tables of "빌드 분석" through their model and sorting proxy: numbers sort as numbers, a tone
// is a colour, and the chosen row still names its entry after sorting.
#include <gtest/gtest.h>

#include "window/analysis/analysis_table_view.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::ShownBackground;
using testing::ShownText;

TEST(AnalysisTableView, SortsByTheKeysNotTheTextsAndKeepsEachRowsEntry) {
    testing::TestApplication();
    AnalysisTableView view(QStringLiteral("t"), QStringLiteral("t"),
                           AnalysisTableView::Fit::FirstStretches, nullptr);
    AnalysisTable table;
    table.columns = {{u"입력", CellAlign::Left}, {u"값"}};
    table.addRow({TextCell(u"민첩"), NumberCell(u"1,000", 1000, Tone::Better)}, 0);
    table.addRow({TextCell(u"극대확률"), NumberCell(u"900", 900)}, 1);
    table.addRow({TextCell(u"공격속도"), NumberCell(u"계산 불가", std::nullopt, Tone::Cliff)}, 2);
    table.addRow({TextCell(u"냉기"), NumberCell(u"-5", -5, Tone::Worse)}, 3);
    view.showTable(table);
    EXPECT_EQ(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("값"));

    view.sortByColumn(1, Qt::AscendingOrder);
    const QStringList ascending{"계산 불가", "-5", "900", "1,000"};  // no number sorts first
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(ShownText(view, row, 1), ascending[row]) << row;
    }
    // The tones as colours: worse red, better green, the cliff yellow, the rest none.
    EXPECT_GT(ShownBackground(view, 1, 1).red(), ShownBackground(view, 1, 1).green());
    EXPECT_GT(ShownBackground(view, 3, 1).green(), ShownBackground(view, 3, 1).red());
    EXPECT_GT(ShownBackground(view, 0, 1).green(), ShownBackground(view, 0, 1).blue());
    EXPECT_FALSE(ShownBackground(view, 2, 1).isValid());
    EXPECT_EQ(view.model()->index(3, 1).data(Qt::TextAlignmentRole).toInt(),
              int(Qt::AlignRight | Qt::AlignVCenter));

    view.sortByColumn(1, Qt::DescendingOrder);
    EXPECT_EQ(ShownText(view, 0, 1), QStringLiteral("1,000"));
    view.selectRow(1);
    EXPECT_EQ(view.currentItem(), std::optional<std::size_t>(1));  // "900", whatever its place

    view.sortByColumn(0, Qt::AscendingOrder);  // words by their text
    EXPECT_EQ(ShownText(view, 0, 0), QStringLiteral("공격속도"));
    EXPECT_EQ(ShownText(view, 3, 0), QStringLiteral("민첩"));
}

}  // namespace
}  // namespace brakefell
