// Complete reports of a few characters over the golden catalogue, each checked line by line
// against the formulas before it was kept.
#include <gtest/gtest.h>

#include <QFile>

#include "golden_cases.h"

namespace brakefell {
namespace {

QString ReadGolden(const char* file) {
    QFile golden(QStringLiteral(BRAKEFELL_SOURCE_DIR "/tests/data/engine/") +
                 QString::fromLatin1(file));
    if (!golden.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << file;
        return {};
    }
    return QString::fromUtf8(golden.readAll());
}

TEST(GoldenReportTest, ReportsMatchLineByLine) {
    const SkillCatalogue catalogue = testing::GoldenCatalogue();
    for (const testing::GoldenCase& c : testing::kGoldenCases) {
        CharacterSheet sheet;
        c.setUp(sheet);
        const CalculationReport report = Calculate(sheet, catalogue, c.edition);
        for (const ResultBoxText& box : report.txtResult) {
            EXPECT_TRUE(box.visible || box.text.isEmpty()) << c.file;
        }
        const QStringList actual = testing::Lines(testing::RenderForGolden(report));
        const QStringList expected = testing::Lines(ReadGolden(c.file));
        for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
            EXPECT_EQ(actual.value(i), expected.value(i)) << c.file << " line " << i + 1;
        }
    }
}

TEST(GoldenReportTest, LiteReportsShowTheFullReportsAveragesOnly) {
    const SkillCatalogue catalogue = testing::GoldenCatalogue();
    CharacterSheet sheet;
    const CalculationReport full = Calculate(sheet, catalogue, Edition::Full);
    const CalculationReport lite = Calculate(sheet, catalogue, Edition::Lite);
    for (int k = 0; k < 6; ++k) {
        const QStringList fullLines = testing::Lines(full.txtResult[k].text);
        const QStringList liteLines = testing::Lines(lite.txtResult[k].text);
        ASSERT_EQ(fullLines.size(), liteLines.size());
        for (qsizetype i = 0; i < fullLines.size(); ++i) {
            QString fullLine = fullLines[i];
            const QString& liteLine = liteLines[i];
            EXPECT_FALSE(liteLine.contains(QStringLiteral("최소-최대")));
            EXPECT_FALSE(liteLine.contains(QStringLiteral("×2")));
            // The lite bracket holds what the full line's last bracket holds.
            const qsizetype fullOpen = fullLine.lastIndexOf(u'[');
            const qsizetype liteOpen = liteLine.lastIndexOf(u'[');
            if (fullOpen >= 0 && liteOpen >= 0 && fullLine.startsWith(QStringLiteral("=>>"))) {
                EXPECT_EQ(liteLine.mid(liteOpen + 1), fullLine.mid(fullOpen + 1)) << k << ":" << i;
            } else {
                EXPECT_EQ(liteLine, fullLine.replace(QStringLiteral("동료 합산"),
                                                     QStringLiteral("동물 합산")));
            }
        }
    }
    EXPECT_EQ(full.txtBowCycleResult, lite.txtBowCycleResult);
    EXPECT_EQ(full.Text1, lite.Text1);
}

}  // namespace
}  // namespace brakefell
