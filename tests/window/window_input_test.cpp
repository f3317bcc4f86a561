// What the person does in the window: typing, select on focus by Tab and by click, Ctrl+A in the
// report boxes, the slot lists, the two interlocks and the order of the Tab key.

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextCursor>

#include "editions/window_layout.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Click;
using testing::ClickAt;
using testing::PickEntry;
using testing::ProgramFolder;
using testing::RunningWindow;
using testing::Tick;
using testing::TypeInto;

class WindowInput : public ::testing::TestWithParam<Edition> {
  protected:
    ProgramFolder folder_;
    RunningWindow run_{GetParam(), folder_};
};

TEST_P(WindowInput, TypingReachesTheFormAtOnce) {
    auto* box = run_.get<QLineEdit>("txtAttackSpeed");
    box->setFocus(Qt::TabFocusReason);
    TypeInto(box, "35.5");
    EXPECT_EQ(run_.form().at(u"txtAttackSpeed").text, u"35.5");
    EXPECT_EQ(run_.form().characterSheet().txtAttackSpeed, 35.5);
}

TEST_P(WindowInput, TabbingIntoABoxSelectsItsTextSoTheNextNumberReplacesIt) {
    run_.get<QLineEdit>("txtEnchant(4)")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    auto* mainStat = run_.get<QLineEdit>("txtMainStat");
    ASSERT_EQ(QApplication::focusWidget(), mainStat);
    EXPECT_EQ(mainStat->selectedText(), "8830");
    TypeInto(mainStat, "9100");
    EXPECT_EQ(mainStat->text(), "9100");
    EXPECT_EQ(run_.form().at(u"txtMainStat").text, u"9100");
}

TEST_P(WindowInput, ClickingIntoABoxSelectsItsWholeTextAndASecondClickPlacesTheCursor) {
    auto* sentry = run_.get<QLineEdit>("txtSkill(18)");
    run_.get<QLineEdit>("txtMainStat")->setFocus(Qt::TabFocusReason);
    // Right of the text, where a plain click would put the cursor after "29".
    const QPoint nearTheEnd(sentry->width() - 3, sentry->height() / 2);
    ClickAt(sentry, nearTheEnd);
    ASSERT_EQ(QApplication::focusWidget(), sentry);
    EXPECT_EQ(sentry->selectedText(), "29");

    ClickAt(sentry, nearTheEnd);
    EXPECT_FALSE(sentry->hasSelectedText());
    EXPECT_EQ(sentry->cursorPosition(), 2);

    // Focus away and back by a click: selected again, and typing replaces the text.
    Click(run_.get<QLineEdit>("txtTesker"));
    ClickAt(sentry, QPoint(4, sentry->height() / 2));
    EXPECT_EQ(sentry->selectedText(), "29");
    TypeInto(sentry, "31");
    EXPECT_EQ(sentry->text(), "31");
}

TEST_P(WindowInput, CtrlAInAnInputBoxDoesWhatAPlainTextBoxDoes) {
    auto* mainStat = run_.get<QLineEdit>("txtMainStat");
    Click(mainStat);
    Click(mainStat);  // the second click leaves just a cursor
    ASSERT_FALSE(mainStat->hasSelectedText());

    QLineEdit plain;
    plain.setText(mainStat->text());
    plain.setCursorPosition(mainStat->cursorPosition());
    const Qt::KeyboardModifiers kCombinations[] = {Qt::ShiftModifier | Qt::ControlModifier,
                                                   Qt::ControlModifier};
    for (Qt::KeyboardModifiers modifiers : kCombinations) {
        QTest::keyClick(mainStat, Qt::Key_A, modifiers);
        QTest::keyClick(&plain, Qt::Key_A, modifiers);
        EXPECT_EQ(mainStat->selectedText(), plain.selectedText());
        EXPECT_EQ(mainStat->text(), plain.text());
    }
}

// Whole text selected: from the start to the last character of the document.
bool AllSelected(QPlainTextEdit* box) {
    const QTextCursor cursor = box->textCursor();
    return cursor.selectionStart() == 0 &&
           cursor.selectionEnd() == box->document()->characterCount() - 1;
}

TEST_P(WindowInput, ReportBoxesSelectAllWithExactlyCtrlA) {
    Click(run_.get<QPushButton>("cmdCalculation"));
    for (const char* name : {"txtResult(2)", "txtResult(6)", "txtBowCycleResult"}) {
        SCOPED_TRACE(name);
        auto* box = run_.get<QPlainTextEdit>(name);
        ASSERT_TRUE(box->isVisible());
        ASSERT_FALSE(box->toPlainText().isEmpty());
        Click(box);
        ASSERT_EQ(QApplication::focusWidget(), box);
        EXPECT_FALSE(box->textCursor().hasSelection());  // a click selects nothing by itself

        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_FALSE(box->textCursor().hasSelection());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
        EXPECT_FALSE(box->textCursor().hasSelection());
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        EXPECT_TRUE(AllSelected(box));
        EXPECT_EQ(box->toPlainText(),
                  testing::AsShown(run_.form().at(TextOf(box->objectName())).text));
    }
}

TEST_P(WindowInput, ChoosingASkillRefillsItsRunesAndChoosingARuneShowsItsElement) {
    auto* skills = run_.get<QComboBox>("cboUsingSkill(2)");
    auto* runes = run_.get<QComboBox>("cboUsingSkillRune(2)");
    auto* element = run_.get<QLabel>("lblSkillElement(2)");
    const SkillCatalogue& catalogue = run_.session().catalogue();

    PickEntry(skills, 6);
    EXPECT_EQ(run_.form().at(u"cboUsingSkill(2)").value, 6);
    ASSERT_EQ(runes->count(), 6);
    for (int rune = 0; rune < 6; ++rune) {
        EXPECT_EQ(runes->itemText(rune), QStringOf(catalogue[6].runes[rune].name));
    }
    EXPECT_EQ(runes->currentIndex(), 0);

    PickEntry(runes, 3);
    EXPECT_EQ(run_.form().at(u"cboUsingSkillRune(2)").value, 3);
    EXPECT_EQ(element->text(), QStringOf(run_.form().at(u"lblSkillElement(2)").text));
    const Rgb colour = run_.form().at(u"lblSkillElement(2)").color;
    EXPECT_EQ(element->palette().color(QPalette::WindowText),
              QColor(colour.red, colour.green, colour.blue));

    // Picking the same skill again is a choice too: the rune goes back to the first.
    PickEntry(skills, 6);
    EXPECT_EQ(runes->currentIndex(), 0);
    EXPECT_EQ(run_.form().at(u"cboUsingSkillRune(2)").value, 0);
}

TEST_P(WindowInput, InterlocksShowAndHideWhatTheirBoxesRefineWithoutChangingIt) {
    auto* voodoo = run_.get<QCheckBox>("chkVoodoo");
    QWidget* options = run_.window().control("fraVoodoo");
    auto* dance = run_.get<QRadioButton>("optVoodooDance");
    auto* other = run_.get<QRadioButton>("optVoodooETC");
    ASSERT_FALSE(options->isVisible());
    Tick(voodoo);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(dance->isChecked());
    Tick(other);
    EXPECT_TRUE(other->isChecked());
    EXPECT_FALSE(dance->isChecked());
    EXPECT_EQ(run_.form().at(u"optVoodooETC").value, 1);
    EXPECT_EQ(run_.form().at(u"optVoodooDance").value, 0);
    Tick(voodoo);
    EXPECT_FALSE(options->isVisible());
    Tick(voodoo);
    EXPECT_TRUE(options->isVisible());
    EXPECT_TRUE(other->isChecked());

    auto* ourPoison = run_.get<QCheckBox>("chkOurGemPoison");
    auto* gemCount = run_.get<QComboBox>("cboOurGemPoison");
    Tick(ourPoison);
    ASSERT_TRUE(gemCount->isVisible());
    EXPECT_EQ(gemCount->currentText(), "1개");
    PickEntry(gemCount, 2);
    Tick(ourPoison);
    EXPECT_FALSE(gemCount->isVisible());
    EXPECT_EQ(gemCount->currentText(), "3개");
    EXPECT_EQ(run_.form().at(u"cboOurGemPoison").value, 2);

    Tick(run_.get<QCheckBox>("chkGemPoison"));
    EXPECT_EQ(run_.form().at(u"chkGemPoison").value, 1);
    EXPECT_FALSE(run_.window().control("optGemPoison(0)")->isVisible());
    EXPECT_FALSE(run_.window().control("optGemPoison(1)")->isVisible());
}

TEST_P(WindowInput, AGrayedCheckBoxFromAProfileIsCheckedByAClickAndNeverGrayedByOne) {
    auto* aim = run_.get<QCheckBox>("chkPassiveAim");
    run_.form().setCheck(u"chkPassiveAim", 2);
    EXPECT_EQ(aim->checkState(), Qt::PartiallyChecked);
    const int kExpectedAfterClicks[] = {1, 0, 1, 0};
    for (int expected : kExpectedAfterClicks) {
        Tick(aim);
        EXPECT_EQ(run_.form().at(u"chkPassiveAim").value, expected);
        EXPECT_EQ(aim->checkState(), expected == 1 ? Qt::Checked : Qt::Unchecked);
    }
}

// The names the focus visits, pressing Tab from `first` until it comes back to it.
QStringList TabRound(QWidget* first) {
    QStringList visited;
    first->setFocus(Qt::TabFocusReason);
    for (int step = 0; step < 200; ++step) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr || (step > 0 && focus == first)) {
            break;
        }
        visited.append(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    return visited;
}

TEST_P(WindowInput, TabFollowsTheEditionsOrderAndSkipsHiddenControls) {
    auto expected = [this] {
        QStringList shown;
        for (const char* name : LayoutOf(GetParam()).tabOrder) {
            if (run_.window().control(name)->isVisible()) {
                shown.append(name);
            }
        }
        return shown;
    };
    QStringList round = TabRound(run_.window().control("cboWeaponSpeed"));
    EXPECT_EQ(round, expected());
    for (const char* hidden : {"chkGrenadier", "Text1", "cboOurGemPoison", "txtResult(0)"}) {
        EXPECT_FALSE(round.contains(hidden)) << hidden;
    }
    const int save = round.indexOf("cmdSaveStat");
    ASSERT_GE(save, 0);
    EXPECT_EQ(round.value(save + 1), GetParam() == Edition::Full ? "chkCrossbow" : "txtMorePain");

    // After a calculation the shown report boxes take their places in the round.
    Click(run_.get<QPushButton>("cmdCalculation"));
    round = TabRound(run_.window().control("cboWeaponSpeed"));
    EXPECT_EQ(round, expected());
    EXPECT_EQ(round.value(round.indexOf("cmdOpen") + 1), "txtResult(0)");
}

INSTANTIATE_TEST_SUITE_P(BothEditions, WindowInput, ::testing::Values(Edition::Full, Edition::Lite),
                         testing::EditionTestName);

}  // namespace
}  // namespace brakefell
