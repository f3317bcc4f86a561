// Start-up and shutdown of the real window: the first start's message and defaults, a start
// without a catalogue, the last run restored without a word, and every control drawn as the
// form holds it.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "form/control_table.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::ProgramFolder;
using testing::RunningWindow;

const std::u16string kNoLastRun = u"지난 저장 파일이 존재하지 않습니다.";
const std::u16string kLoadError = u"데이터 로딩 중 에러가 발생했습니다.";

struct ElementLook {
    const char* caption;
    QColor colour;
};

// The caption and colour a rune's element code gives its slot's label.
std::optional<ElementLook> LookOfElement(int code) {
    switch (code) {
        case 1:
            return ElementLook{"화염 속성", QColor(255, 0, 0)};
        case 2:
            return ElementLook{"냉기 속성", QColor(0, 0, 255)};
        case 3:
            return ElementLook{"물리 속성", QColor(0, 0, 0)};
        case 4:
            return ElementLook{"독 속성", QColor(0, 175, 0)};
        case 5:
            return ElementLook{"번개 속성", QColor(0, 175, 175)};
        case 6:
            return ElementLook{"신성 속성", QColor(100, 100, 100)};
        default:
            return std::nullopt;
    }
}

class WindowStart : public ::testing::TestWithParam<Edition> {};

TEST_P(WindowStart, FirstStartSaysSoOnceAndShowsTheDefaultsAndDefaultSlots) {
    ProgramFolder folder;
    RunningWindow run(GetParam(), folder);
    EXPECT_EQ(run.prompts().messages, std::vector<std::u16string>{kNoLastRun});

    EXPECT_EQ(run.get<QComboBox>("cboWeaponSpeed")->currentText(), "1.1");
    EXPECT_EQ(run.get<QComboBox>("cboGemJMeter")->currentText(), "10");
    EXPECT_EQ(run.get<QComboBox>("cboGemJMeter")->count(), 5);
    auto* gemCount = run.get<QComboBox>("cboOurGemPoison");
    EXPECT_EQ(gemCount->currentText(), "1개");
    EXPECT_TRUE(gemCount->isHidden());
    EXPECT_EQ(run.get<QLineEdit>("txtMainStat")->text(), "8830");
    EXPECT_EQ(run.get<QLineEdit>("txtCriticalChance")->text(), "36.5");
    EXPECT_TRUE(run.get<QCheckBox>("chkCrossbow")->isChecked());
    EXPECT_TRUE(run.get<QRadioButton>("optVoodooDance")->isChecked());

    const struct {
        int skill;
        int rune;
    } kDefaultSlots[] = {{15, 1}, {22, 5}, {10, 3}, {14, 5}, {18, 4}, {21, 5}};
    const SkillCatalogue& catalogue = run.session().catalogue();
    for (int slot = 0; slot < 6; ++slot) {
        SCOPED_TRACE(slot);
        auto* skills = run.get<QComboBox>(QStringOf(IndexedName("cboUsingSkill", slot)));
        auto* runes = run.get<QComboBox>(QStringOf(IndexedName("cboUsingSkillRune", slot)));
        auto* element = run.get<QLabel>(QStringOf(IndexedName("lblSkillElement", slot)));
        EXPECT_EQ(skills->count(), 24);
        EXPECT_EQ(skills->currentIndex(), kDefaultSlots[slot].skill);
        EXPECT_EQ(skills->currentText(), QStringOf(catalogue[kDefaultSlots[slot].skill].name));
        ASSERT_EQ(runes->count(), 6);
        EXPECT_EQ(runes->currentIndex(), kDefaultSlots[slot].rune);
        const auto& rune = catalogue[kDefaultSlots[slot].skill].runes[kDefaultSlots[slot].rune];
        EXPECT_EQ(runes->currentText(), QStringOf(rune.name));
        if (auto look = LookOfElement(rune.elementCode)) {
            EXPECT_EQ(element->text(), QString::fromUtf8(look->caption));
            EXPECT_EQ(element->palette().color(QPalette::WindowText), look->colour);
        }
    }
}

TEST_P(WindowStart, WithoutCatalogueShowsOnlyTheLoadErrorAndLeavesTheSlotsEmpty) {
    ProgramFolder folder(/*withCatalogue=*/false);
    RunningWindow run(GetParam(), folder);
    EXPECT_EQ(run.prompts().messages, std::vector<std::u16string>{kLoadError});
    for (int slot = 0; slot < 6; ++slot) {
        EXPECT_EQ(run.get<QComboBox>(QStringOf(IndexedName("cboUsingSkill", slot)))->count(), 0);
        EXPECT_EQ(run.get<QComboBox>(QStringOf(IndexedName("cboUsingSkillRune", slot)))->count(),
                  0);
        EXPECT_EQ(run.get<QLabel>(QStringOf(IndexedName("lblSkillElement", slot)))->text(), "");
    }
    // The small lists come before the catalogue and are filled all the same.
    EXPECT_EQ(run.get<QComboBox>("cboWeaponSpeed")->currentText(), "1.1");
    EXPECT_EQ(run.get<QComboBox>("cboGemJMeter")->currentText(), "10");
    EXPECT_EQ(run.get<QComboBox>("cboOurGemPoison")->currentText(), "1개");
    EXPECT_TRUE(run.window().isVisible());
}

TEST_P(WindowStart, ClosingSavesTheInputsAndTheNextStartRestoresThemWithoutAMessage) {
    ProgramFolder folder;
    {
        RunningWindow first(GetParam(), folder);
        auto* mainStat = first.get<QLineEdit>("txtMainStat");
        mainStat->setFocus(Qt::TabFocusReason);
        testing::TypeInto(mainStat, "9100");
        testing::Tick(first.get<QCheckBox>("chkPassiveArrow"));
        testing::PickEntry(first.get<QComboBox>("cboUsingSkill(2)"), 4);
        first.close();
    }
    ASSERT_TRUE(QFile::exists(folder.file("LastData.cfg")));

    RunningWindow next(GetParam(), folder);
    EXPECT_TRUE(next.prompts().messages.empty())
        << Utf8OfUtf16(testing::Join(next.prompts().messages, u" / "));
    EXPECT_EQ(next.get<QLineEdit>("txtMainStat")->text(), "9100");
    EXPECT_TRUE(next.get<QCheckBox>("chkPassiveArrow")->isChecked());
    EXPECT_EQ(next.get<QComboBox>("cboUsingSkill(2)")->currentIndex(), 4);
    EXPECT_EQ(next.get<QComboBox>("cboUsingSkillRune(2)")->currentIndex(), 0);
}

TEST_P(WindowStart, EveryControlIsOneWidgetOfItsKindNamedAfterIt) {
    ProgramFolder folder;
    RunningWindow run(GetParam(), folder);
    for (const ControlSpec& entry : ControlTable()) {
        const QString name = QString::fromLatin1(entry.name);
        SCOPED_TRACE(name.toStdString());
        const auto found = run.window().findChildren<QWidget*>(name);
        ASSERT_EQ(found.size(), 1);
        QWidget* widget = found.front();
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(entry.tooltip));
        switch (entry.kind) {
            case ControlKind::TextBox:
                EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr);
                EXPECT_FALSE(widget->accessibleName().isEmpty());
                break;
            case ControlKind::ResultBox: {
                auto* box = qobject_cast<QPlainTextEdit*>(widget);
                ASSERT_NE(box, nullptr);
                EXPECT_TRUE(box->isReadOnly());
                break;
            }
            case ControlKind::CheckBox:
                EXPECT_NE(qobject_cast<QCheckBox*>(widget), nullptr);
                break;
            case ControlKind::DropDown: {
                auto* list = qobject_cast<QComboBox*>(widget);
                ASSERT_NE(list, nullptr);
                EXPECT_FALSE(list->isEditable());
                EXPECT_FALSE(widget->accessibleName().isEmpty());
                break;
            }
            case ControlKind::OptionButton:
                EXPECT_NE(qobject_cast<QRadioButton*>(widget), nullptr);
                break;
            case ControlKind::Label:
                EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr);
                break;
            case ControlKind::Frame:
                EXPECT_TRUE(qobject_cast<QGroupBox*>(widget) || qobject_cast<QFrame*>(widget));
                break;
            case ControlKind::CommandButton:
                EXPECT_NE(qobject_cast<QPushButton*>(widget), nullptr);
                break;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(widget);
            button && name != "chkCompanion") {
            EXPECT_EQ(button->text(), QString::fromUtf8(entry.caption));
        }
        if (auto* frame = qobject_cast<QGroupBox*>(widget)) {
            EXPECT_EQ(frame->title(), QString::fromUtf8(entry.caption));
        }
    }
}

TEST_P(WindowStart, ShowsAndHidesEachControlAsTheFormSays) {
    ProgramFolder folder;
    RunningWindow run(GetParam(), folder);
    for (const ControlState& state : run.form().controls()) {
        EXPECT_EQ(!run.window().control(QStringOf(state.name))->isHidden(), state.visible)
            << Utf8OfUtf16(state.name);
    }
    for (const char* hidden :
         {"chkGrenadier", "optGemPoison(0)", "optGemPoison(1)", "Text1", "fraVoodoo",
          "cboOurGemPoison", "txtResult(0)", "txtResult(6)", "fraMoreDamage", "txtResult(8)"}) {
        EXPECT_FALSE(run.window().control(hidden)->isVisible()) << hidden;
    }
    EXPECT_TRUE(run.get<QPlainTextEdit>("txtBowCycleResult")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, WindowStart, ::testing::Values(Edition::Full, Edition::Lite),
                         testing::EditionTestName);

QLabel* LabelReading(QWidget& window, const QString& text) {
    for (auto* label : window.findChildren<QLabel*>()) {
        if (label->text() == text) {
            return label;
        }
    }
    return nullptr;
}

const QString kNotice =
    QStringLiteral("※ 본 프로그램은 1024 × 768 화면에 최적화 되어 제작되었습니다.");

TEST(FullWindow, HasItsCaptionSizeAndCompanionCaptionAndNoNotice) {
    ProgramFolder folder;
    RunningWindow run(Edition::Full, folder);
    EXPECT_EQ(run.window().windowTitle(), "Brakefell 데미지 계산기(v007)");
    EXPECT_EQ(run.window().size(), QSize(1275, 928));  // 19125 × 13920 twips
    EXPECT_EQ(run.get<QCheckBox>("chkCompanion")->text(), "동료-늑대");
    EXPECT_EQ(LabelReading(run.window(), kNotice), nullptr);
}

TEST(LiteWindow, HasItsCaptionSizeCompanionCaptionAndTheNoticeAtTheTopRight) {
    ProgramFolder folder;
    RunningWindow run(Edition::Lite, folder);
    EXPECT_EQ(run.window().windowTitle(), "Brakefell 데미지 계산기 (Lite)");
    EXPECT_EQ(run.window().size(), QSize(1018, 702));  // 15270 × 10530 twips
    EXPECT_EQ(run.get<QCheckBox>("chkCompanion")->text(), "동물-늑대");
    QLabel* notice = LabelReading(run.window(), kNotice);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->geometry().topLeft(), QPoint(632, 8));  // 9480, 120 twips
    EXPECT_TRUE(notice->isVisible());
}

TEST(EditionsTogether, AProfileLeftByTheFullEditionStartsTheLiteOne) {
    ProgramFolder folder;
    {
        RunningWindow full(Edition::Full, folder);
        auto* tesker = full.get<QLineEdit>("txtTesker");
        tesker->setFocus(Qt::TabFocusReason);
        testing::TypeInto(tesker, "12");
        full.close();
    }
    RunningWindow lite(Edition::Lite, folder);
    EXPECT_TRUE(lite.prompts().messages.empty());
    EXPECT_EQ(lite.get<QLineEdit>("txtTesker")->text(), "12");
}

}  // namespace
}  // namespace brakefell
