// The command "계산" on the form's controls, and the session that shows its refusal.
#include "session/run_calculation.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "engine_fixtures.h"
#include "form/skill_slots.h"
#include "form/start_up_lists.h"
#include "recording_prompts.h"
#include "session/calculator_session.h"
#include "text/cp949.h"

namespace brakefell {
namespace {

const QString kRefusal = QStringLiteral("입력값이 계산할 수 있는 범위를 벗어났습니다.");

class RunCalculationTest : public ::testing::Test {
  protected:
    SkillCatalogue catalogue = testing::GoldenCatalogue();
    FormState form{catalogue};
    ShownLists state;

    void SetUp() override {
        FillStartUpLists(form);
        FillSkillSlots(form);
    }
    const ControlState& box(int k) { return form.at(IndexedName("txtResult", k)); }
};

TEST_F(RunCalculationTest, WritesTheReportIntoTheBoxes) {
    form.setCheck(u"chkMorePain", 1);
    EXPECT_EQ(RunCalculation(form, state, Edition::Full), Refusal::None);
    // Default slots: 15/1 has no damage, so five blocks in boxes 0 to 4.
    for (int k = 0; k < 5; ++k) {
        EXPECT_TRUE(box(k).visible) << k;
    }
    EXPECT_TRUE(box(0).text.startsWith(QStringLiteral("< 확산탄(대폭발, 멀티히트) >\r\n")));
    EXPECT_FALSE(box(5).visible);
    EXPECT_TRUE(box(6).text.startsWith(QStringLiteral("-자동쇠뇌 공속 계산-\r\n")));
    EXPECT_TRUE(box(7).visible);
    EXPECT_FALSE(box(8).visible);
    EXPECT_TRUE(form.at(u"fraMoreDamage").visible);
    EXPECT_TRUE(form.at(u"txtBowCycleResult").text.startsWith(QStringLiteral("공속1.4808(")));
    EXPECT_TRUE(form.at(u"Text1").text.startsWith(QStringLiteral("\r\n<굶주린 화살>\r\n")));
    EXPECT_EQ(state.ShownSkill.size(), 5u);

    // Without the sentries the later boxes are hidden and emptied, the cycle box keeps its text.
    const QString cycleText = form.at(u"txtBowCycleResult").text;
    form.setCheck(u"chkCrossbow", 0);
    EXPECT_EQ(RunCalculation(form, state, Edition::Full), Refusal::None);
    for (int k = 5; k < 9; ++k) {
        EXPECT_FALSE(box(k).visible) << k;
        EXPECT_TRUE(box(k).text.isEmpty()) << k;
    }
    EXPECT_FALSE(form.at(u"fraMoreDamage").visible);
    EXPECT_EQ(form.at(u"txtBowCycleResult").text, cycleText);
}

TEST_F(RunCalculationTest, RefusalEmptiesEveryBox) {
    RunCalculation(form, state, Edition::Lite);
    form.setText(u"txtWeaponDamageMax", QStringLiteral("1e309"));  // reads as infinity
    EXPECT_EQ(RunCalculation(form, state, Edition::Lite), Refusal::NumberNotFinite);
    for (int k = 0; k < 9; ++k) {
        EXPECT_FALSE(box(k).visible) << k;
        EXPECT_TRUE(box(k).text.isEmpty()) << k;
    }
    EXPECT_FALSE(form.at(u"fraMoreDamage").visible);
    EXPECT_TRUE(form.at(u"txtBowCycleResult").text.isEmpty());
    EXPECT_TRUE(form.at(u"Text1").text.isEmpty());
}

TEST(CalculatorSessionCalculateTest, ShowsTheRefusalOnlyWhenThereIsOne) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QFile file(folder.filePath(QStringLiteral("Gloamstalker007.txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    QString text = QStringLiteral(">굶주린 화살\r\n기본/True/1.5/1/0\r\n");
    for (int r = 1; r < 6; ++r) {
        text += QStringLiteral("룬 %1/False/0/1/0\r\n").arg(r);
    }
    file.write(EncodeCp949(text));
    file.close();

    testing::RecordingPrompts prompts;
    CalculatorSession session(Edition::Full, ProgramFolders{folder.path(), folder.path()}, prompts);
    ASSERT_TRUE(session.startUp({.cataloguePath = file.fileName(), .loadLastRun = false}));
    session.form().setListIndex(u"cboUsingSkill(2)", 0);
    session.calculate();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(session.form()
                    .at(u"txtResult(0)")
                    .text.startsWith(QStringLiteral("< 굶주린 화살(기본) >")));
    EXPECT_EQ(session.shown().ShownSkill, std::vector<std::int16_t>{0});

    session.form().setText(u"txtMainStat", QStringLiteral("1e400"));
    session.calculate();
    EXPECT_EQ(prompts.messages, QStringList{kRefusal});
    EXPECT_FALSE(session.form().at(u"txtResult(0)").visible);
}

}  // namespace
}  // namespace brakefell
