// Complete reports of a few characters over the golden catalogue, each checked line by line
// against the formulas before it was kept.
#include <gtest/gtest.h>

#include <algorithm>

#include "golden_cases.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

std::u16string ReadGolden(const char* file) {
    const std::optional<std::string> golden =
        testing::ReadFileBytes(std::string(BRAKEFELL_SOURCE_DIR "/tests/data/engine/") + file);
    if (!golden) {
        ADD_FAILURE() << "cannot read " << file;
        return {};
    }
    return Utf16OfUtf8(*golden);
}

// Line `i`, or the empty text past the last line.
std::u16string LineAt(const std::vector<std::u16string>& lines, std::size_t i) {
    return i < lines.size() ? lines[i] : std::u16string();
}

class GoldenReport : public ::testing::TestWithParam<testing::GoldenCase> {};

TEST_P(GoldenReport, MatchesLineByLine) {
    const testing::GoldenCase& c = GetParam();
    CharacterSheet sheet;
    c.setUp(sheet);
    const SkillCatalogue catalogue = testing::GoldenCatalogue();
    const CalculationReport report = Calculate(sheet, catalogue, c.edition);
    for (const ResultBoxText& box : report.resultBoxes) {
        EXPECT_TRUE(box.visible || box.text.empty());
    }
    const std::vector<std::u16string> actual = testing::Lines(testing::RenderForGolden(report));
    const std::vector<std::u16string> expected = testing::Lines(ReadGolden(c.file));
    for (std::size_t i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(LineAt(actual, i), LineAt(expected, i)) << "line " << i + 1;
    }
}

// Each case is named after its file: "defaults_full.txt" runs as "defaults_full".
INSTANTIATE_TEST_SUITE_P(Characters, GoldenReport, ::testing::ValuesIn(testing::kGoldenCases),
                         [](const ::testing::TestParamInfo<testing::GoldenCase>& info) {
                             const std::string file = info.param.file;
                             return file.substr(0, file.find('.'));
                         });

TEST(GoldenReportTest, LiteReportsShowTheFullReportsAveragesOnly) {
    const SkillCatalogue catalogue = testing::GoldenCatalogue();
    CharacterSheet sheet;
    const CalculationReport full = Calculate(sheet, catalogue, Edition::Full);
    const CalculationReport lite = Calculate(sheet, catalogue, Edition::Lite);
    for (int k = 0; k < 6; ++k) {
        const std::vector<std::u16string> fullLines = testing::Lines(full.resultBoxes[k].text);
        const std::vector<std::u16string> liteLines = testing::Lines(lite.resultBoxes[k].text);
        ASSERT_EQ(fullLines.size(), liteLines.size());
        for (std::size_t i = 0; i < fullLines.size(); ++i) {
            const std::u16string& fullLine = fullLines[i];
            const std::u16string& liteLine = liteLines[i];
            EXPECT_FALSE(testing::Contains(liteLine, u"최소-최대"));
            EXPECT_FALSE(testing::Contains(liteLine, u"×2"));
            // The lite bracket holds what the full line's last bracket holds.
            const std::size_t fullOpen = fullLine.rfind(u'[');
            const std::size_t liteOpen = liteLine.rfind(u'[');
            if (fullOpen != std::u16string::npos && liteOpen != std::u16string::npos &&
                fullLine.starts_with(u"=>>")) {
                EXPECT_EQ(liteLine.substr(liteOpen + 1), fullLine.substr(fullOpen + 1))
                    << k << ":" << i;
            } else {
                EXPECT_EQ(liteLine, testing::ReplaceAll(fullLine, u"동료 합산", u"동물 합산"));
            }
        }
    }
    EXPECT_EQ(full.totals, lite.totals);
    EXPECT_EQ(full.trace, lite.trace);
}

}  // namespace
}  // namespace brakefell
