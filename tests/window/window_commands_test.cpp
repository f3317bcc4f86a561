// The three commands and closing: "계산" draws exactly the report the form holds, "열기" and "저장"
// go through the dialogs (cancel changes nothing), and closing saves the last run once.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Click;
using testing::ProgramFolder;
using testing::RunningWindow;
using testing::Tick;
using testing::TypeInto;

class WindowCommands : public ::testing::TestWithParam<Edition> {
  protected:
    void SetUp() override { run_.prompts().messages.clear(); }  // the first start's notice

    // Every report box and the damage-over-time frame, as drawn and as the form holds them.
    void expectReportDrawnAsTheFormHoldsIt() {
        for (const ControlState& state : run_.form().controls()) {
            if (state.kind == ControlKind::ResultBox) {
                auto* box = run_.get<QPlainTextEdit>(QStringOf(state.name));
                EXPECT_EQ(box->toPlainText(), testing::AsShown(state.text))
                    << Utf8OfUtf16(state.name);
                EXPECT_EQ(!box->isHidden(), state.visible) << Utf8OfUtf16(state.name);
            }
        }
        EXPECT_EQ(!run_.window().control("fraMoreDamage")->isHidden(),
                  run_.form().at(u"fraMoreDamage").visible);
    }

    void typeInto(const QString& name, const QString& text) {
        auto* box = run_.get<QLineEdit>(name);
        box->setFocus(Qt::TabFocusReason);
        TypeInto(box, text);
    }

    ProgramFolder folder_;
    RunningWindow run_{GetParam(), folder_};
};

TEST_P(WindowCommands, CalculationDrawsTheReportTheFormHolds) {
    Click(run_.get<QPushButton>("cmdCalculation"));
    EXPECT_TRUE(run_.prompts().messages.empty());
    ASSERT_TRUE(run_.get<QPlainTextEdit>("txtResult(0)")->isVisible());
    ASSERT_FALSE(run_.get<QPlainTextEdit>("txtBowCycleResult")->toPlainText().isEmpty());
    expectReportDrawnAsTheFormHoldsIt();

    // Without the sentries firing the later stages do not run; the boxes follow the form again.
    Tick(run_.get<QCheckBox>("chkCrossbow"));
    typeInto("txtMainStat", "7000");
    Click(run_.get<QPushButton>("cmdCalculation"));
    expectReportDrawnAsTheFormHoldsIt();
    EXPECT_FALSE(run_.get<QPlainTextEdit>("txtResult(6)")->isVisible());
}

TEST_P(WindowCommands, SaveWritesTheNameAsTypedAndOpenBringsItBackWithoutRecalculating) {
    Click(run_.get<QPushButton>("cmdCalculation"));
    const QString report = run_.get<QPlainTextEdit>("txtResult(0)")->toPlainText();

    run_.prompts().saveAnswers.push_back(PathOf(folder_.file("no extension")));
    Click(run_.get<QPushButton>("cmdSaveStat"));
    EXPECT_TRUE(QFile::exists(folder_.file("no extension")));
    EXPECT_FALSE(QFile::exists(folder_.file("no extension.cfg")));
    EXPECT_EQ(run_.prompts().dialogFolders, std::vector<std::string>{PathOf(folder_.path())});

    typeInto("txtMainStat", "1234");
    run_.prompts().openAnswers.push_back(PathOf(folder_.file("no extension")));
    Click(run_.get<QPushButton>("cmdOpen"));
    EXPECT_EQ(run_.get<QLineEdit>("txtMainStat")->text(), "8830");
    ASSERT_EQ(run_.prompts().dialogFolders.size(), 2u);
    EXPECT_EQ(run_.prompts().dialogFolders[1], PathOf(folder_.path()));
    EXPECT_EQ(run_.get<QPlainTextEdit>("txtResult(0)")->toPlainText(), report);
    EXPECT_TRUE(run_.prompts().messages.empty());
}

TEST_P(WindowCommands, CancelledOrUnopenableDialogsChangeNothingAndSayNothing) {
    typeInto("txtMainStat", "1234");
    const QStringList before = QDir(folder_.path()).entryList(QDir::Files);

    run_.prompts().openAnswers.push_back(std::nullopt);
    Click(run_.get<QPushButton>("cmdOpen"));
    run_.prompts().openAnswers.push_back(PathOf(folder_.file("nobody saved this.cfg")));
    Click(run_.get<QPushButton>("cmdOpen"));
    run_.prompts().saveAnswers.push_back(std::nullopt);
    Click(run_.get<QPushButton>("cmdSaveStat"));

    EXPECT_EQ(run_.get<QLineEdit>("txtMainStat")->text(), "1234");
    EXPECT_EQ(run_.form().at(u"txtMainStat").text, u"1234");
    EXPECT_EQ(QDir(folder_.path()).entryList(QDir::Files), before);
    EXPECT_TRUE(run_.prompts().messages.empty());
    EXPECT_TRUE(run_.prompts().openAnswers.empty());
    EXPECT_TRUE(run_.prompts().saveAnswers.empty());
}

TEST_P(WindowCommands, ClosingIsAcceptedAndSavesTheLastRunOnlyOnce) {
    CalculatorWindow& window = run_.window();
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(window.isVisible());
    const QString lastRun = folder_.file("LastData.cfg");
    ASSERT_TRUE(QFile::exists(lastRun));

    // The program's end after the window closed must not write the file a second time.
    ASSERT_TRUE(QFile::remove(lastRun));
    window.shutDown();
    EXPECT_FALSE(QFile::exists(lastRun));
}

INSTANTIATE_TEST_SUITE_P(BothEditions, WindowCommands,
                         ::testing::Values(Edition::Full, Edition::Lite), testing::EditionTestName);

}  // namespace
}  // namespace brakefell
