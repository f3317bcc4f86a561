// The command "계산" on the form's controls, and the session that shows its refusal.
#include "session/run_calculation.h"

#include <gtest/gtest.h>

#include "desktop_adapters/desktop_platform.h"
#include "engine_fixtures.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "recording_prompts.h"
#include "session/calculator_session.h"
#include "temp_folder.h"
#include "text/cp949.h"
#include "text/strings.h"
#include "text_helpers.h"

namespace brakefell {
namespace {

const std::u16string kRefusal = u"입력값이 계산할 수 있는 범위를 벗어났습니다.";

class RunCalculationTest : public ::testing::Test {
  protected:
    SkillCatalogue catalogue = testing::GoldenCatalogue();
    FormState form{catalogue};

    void SetUp() override {
        FillStartUpLists(form);
        FillSkillSlots(form);
    }
    const ControlState& box(int k) { return form.at(IndexedName("txtResult", k)); }
};

TEST_F(RunCalculationTest, WritesTheReportIntoTheBoxes) {
    form.setCheck(u"chkMorePain", 1);
    EXPECT_EQ(RunCalculation(form, Edition::Full), Refusal::None);
    // Default slots: 15/1 has no damage, so five blocks in boxes 0 to 4.
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(box(k).visible) << k;
    }
    EXPECT_TRUE(box(0).text.starts_with(u"< 확산탄(대폭발, 멀티히트) >\r\n"));
    EXPECT_FALSE(box(5).visible);
    EXPECT_TRUE(box(6).text.starts_with(u"-자동쇠뇌 공속 계산-\r\n"));
    EXPECT_TRUE(box(7).visible);
    EXPECT_FALSE(box(8).visible);
    EXPECT_TRUE(form.at(u"fraMoreDamage").visible);
    EXPECT_TRUE(form.at(u"txtBowCycleResult").text.starts_with(u"공속1.4808("));
    EXPECT_TRUE(form.at(u"Text1").text.starts_with(u"\r\n<굶주린 화살>\r\n"));

    // Without the sentries the later boxes are hidden and emptied, the cycle box keeps its text.
    const std::u16string cycleText = form.at(u"txtBowCycleResult").text;
    form.setCheck(u"chkCrossbow", 0);
    EXPECT_EQ(RunCalculation(form, Edition::Full), Refusal::None);
    for (int k = 5; k < 9; ++k) {
        EXPECT_FALSE(box(k).visible) << k;
        EXPECT_TRUE(box(k).text.empty()) << k;
    }
    EXPECT_FALSE(form.at(u"fraMoreDamage").visible);
    EXPECT_EQ(form.at(u"txtBowCycleResult").text, cycleText);
}

TEST_F(RunCalculationTest, RefusalEmptiesEveryBox) {
    RunCalculation(form, Edition::Lite);
    form.setText(u"txtWeaponDamageMax", u"1e309");  // reads as infinity
    EXPECT_EQ(RunCalculation(form, Edition::Lite), Refusal::NumberNotFinite);
    for (int k = 0; k < 9; ++k) {
        EXPECT_FALSE(box(k).visible) << k;
        EXPECT_TRUE(box(k).text.empty()) << k;
    }
    EXPECT_FALSE(form.at(u"fraMoreDamage").visible);
    EXPECT_TRUE(form.at(u"txtBowCycleResult").text.empty());
    EXPECT_TRUE(form.at(u"Text1").text.empty());
}

TEST(CalculatorSessionCalculateTest, ShowsTheRefusalOnlyWhenThereIsOne) {
    testing::TempFolder folder;
    const std::string catalogue = folder.filePath("Gloamstalker007.txt");
    std::u16string text = u">굶주린 화살\r\n기본/True/1.5/1/0\r\n";
    for (int r = 1; r < 6; ++r) {
        text += u"룬 " + IntegerText(r) + u"/False/0/1/0\r\n";
    }
    ASSERT_TRUE(testing::WriteFileBytes(catalogue, EncodeCp949(text)));

    testing::RecordingPrompts prompts;
    DesktopPlatform desktop;
    CalculatorSession session(Edition::Full, ProgramFolders{folder.path(), folder.path()},
                              desktop.platform(), prompts);
    ASSERT_TRUE(session.startUp({.cataloguePath = catalogue, .loadLastRun = false}));
    session.form().setListIndex(u"cboUsingSkill(2)", 0);
    session.calculate();
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_TRUE(session.form().at(u"txtResult(0)").text.starts_with(u"< 굶주린 화살(기본) >"));

    session.form().setText(u"txtMainStat", u"1e400");
    session.calculate();
    EXPECT_EQ(prompts.messages, std::vector<std::u16string>{kRefusal});
    EXPECT_FALSE(session.form().at(u"txtResult(0)").visible);
}

}  // namespace
}  // namespace brakefell
