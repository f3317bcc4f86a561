// How the window looks: the report font's 2:1 Hangul/Latin widths, the fonts and colours of the
// report boxes and headings, nothing clipped, and report lines that fit their boxes.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionComboBox>

#include "window/window_fonts.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Click;
using testing::ProgramFolder;
using testing::RunningWindow;
using testing::Tick;

struct ReportFontCase {
    double points;
    bool bold;
};

class ReportFont : public ::testing::TestWithParam<ReportFontCase> {
  protected:
    void SetUp() override { testing::TestApplication(); }
};

TEST_P(ReportFont, DrawsEveryHangulSyllableExactlyTwoLatinCharactersWide) {
    const QFontMetricsF metrics(FixedPitchFont(GetParam().points, GetParam().bold));
    const qreal latin = metrics.horizontalAdvance(QLatin1Char('A'));
    ASSERT_GT(latin, 0);
    int narrowOrWide = 0;
    for (char16_t syllable = u'가'; syllable <= u'힣'; ++syllable) {
        if (metrics.horizontalAdvance(QChar(syllable)) != 2 * latin) {
            ADD_FAILURE_AT(__FILE__, __LINE__) << "U+" << std::hex << int(syllable);
            if (++narrowOrWide == 5) {
                break;
            }
        }
    }
    // Every character the report pads with or prints between its columns is one column wide.
    for (QChar c : QStringLiteral(" 0123456789,.%()[]<>-+:=/xs")) {
        EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(c), latin) << QString(c).toStdString();
    }
    EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QStringLiteral("기대값: 1,234")),
                     metrics.horizontalAdvance(QStringLiteral("abcdefgh1,234")));
}

INSTANTIATE_TEST_SUITE_P(ReportSizes, ReportFont,
                         ::testing::Values(ReportFontCase{9, false}, ReportFontCase{9.75, true},
                                           ReportFontCase{9, true}),
                         [](const ::testing::TestParamInfo<ReportFontCase>& info) {
                             return QStringLiteral("%1pt%2")
                                 .arg(info.param.points * 100)
                                 .arg(info.param.bold ? "Bold" : "")
                                 .toStdString();
                         });

class WindowLooks : public ::testing::TestWithParam<Edition> {
  protected:
    ProgramFolder folder_;
    RunningWindow run_{GetParam(), folder_};
};

TEST_P(WindowLooks, ReportBoxesUseTheReportFontsOnTheWindowsColour) {
    const QString fixed = FixedPitchFont().family();
    for (int k = 0; k <= 8; ++k) {
        auto* box = run_.get<QPlainTextEdit>(QStringOf(IndexedName("txtResult", k)));
        SCOPED_TRACE(k);
        if (k <= 6) {
            EXPECT_EQ(box->font().family(), fixed);
            EXPECT_EQ(box->font().pointSizeF(), 9);
            EXPECT_FALSE(box->font().bold());
        } else {
            EXPECT_EQ(box->font().family(), WindowFont().family());
        }
        EXPECT_EQ(box->palette().color(QPalette::Base), box->palette().color(QPalette::Window));
    }
    auto* cycle = run_.get<QPlainTextEdit>("txtBowCycleResult");
    EXPECT_EQ(cycle->font().family(), fixed);
    EXPECT_TRUE(cycle->font().bold());
    EXPECT_EQ(cycle->font().pointSizeF(), GetParam() == Edition::Full ? 9.75 : 9);
    EXPECT_EQ(cycle->palette().color(QPalette::Text), QColor(192, 0, 0));

    auto* calculate = run_.get<QPushButton>("cmdCalculation");
    EXPECT_TRUE(calculate->font().bold());
    EXPECT_GT(calculate->font().pointSizeF(),
              run_.get<QPushButton>("cmdOpen")->font().pointSizeF());
}

TEST_P(WindowLooks, EachSectionHeadingIsOneBoldCentredLabel) {
    for (const char* heading :
         {"-무기-", "-속성 피해-", "-능력치(세부속성 그대로 입력)-", "-스킬 증가-", "-지속 스킬-",
          "-전설 보석-", "-사용 스킬-", "-결과 계산 적용 변수-"}) {
        SCOPED_TRACE(heading);
        QList<QLabel*> found;
        for (auto* label : run_.window().findChildren<QLabel*>()) {
            if (label->text() == QString::fromUtf8(heading)) {
                found.append(label);
            }
        }
        ASSERT_EQ(found.size(), 1);
        EXPECT_TRUE(found.front()->font().bold());
        EXPECT_EQ(found.front()->font().pointSizeF(), 11.25);
        EXPECT_TRUE(found.front()->alignment() & Qt::AlignHCenter);
        EXPECT_TRUE(found.front()->isVisible());
    }
}

TEST_P(WindowLooks, NoLabelCaptionValueOrListEntryIsCutOff) {
    Tick(run_.get<QCheckBox>("chkVoodoo"));
    Tick(run_.get<QCheckBox>("chkOurGemPoison"));
    for (auto* label : run_.window().findChildren<QLabel*>()) {
        if (label->isVisible() && !label->text().isEmpty()) {
            EXPECT_LE(label->sizeHint().width(), label->width()) << label->text().toStdString();
            EXPECT_LE(label->fontMetrics().height(), label->height())
                << label->text().toStdString();
        }
    }
    for (auto* button : run_.window().findChildren<QAbstractButton*>()) {
        if (!button->isVisible()) {
            continue;
        }
        if (qobject_cast<QPushButton*>(button)) {
            // A push button's size hint has a floor of its own; its caption needs much less.
            EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 12, button->width())
                << button->objectName().toStdString();
        } else {
            EXPECT_LE(button->sizeHint().width(), button->width())
                << button->objectName().toStdString();
        }
    }
    // A line edit keeps a one-pixel frame and two pixels of margin on each side of its text.
    for (auto* box : run_.window().findChildren<QLineEdit*>()) {
        if (box->isVisible()) {
            EXPECT_LE(box->fontMetrics().horizontalAdvance(box->text()), box->width() - 6)
                << box->objectName().toStdString();
        }
    }
    for (auto* list : run_.window().findChildren<QComboBox*>()) {
        if (!list->isVisible()) {
            continue;
        }
        QStyleOptionComboBox option;
        option.initFrom(list);
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        for (int i = 0; i < list->count(); ++i) {
            EXPECT_LE(list->fontMetrics().horizontalAdvance(list->itemText(i)), field.width())
                << list->objectName().toStdString() << ": " << list->itemText(i).toStdString();
        }
    }
}

TEST_P(WindowLooks, TheDefaultReportFitsItsBoxesWithoutScrollingOrWrapping) {
    // Both damage-over-time gems worn, so that the boxes in fraMoreDamage are filled too.
    Tick(run_.get<QCheckBox>("chkMorePain"));
    Tick(run_.get<QCheckBox>("chkGemPoison"));
    Click(run_.get<QPushButton>("cmdCalculation"));
    int filled = 0;
    for (auto* box : run_.window().findChildren<QPlainTextEdit*>()) {
        if (!box->isVisible() || box->toPlainText().isEmpty()) {
            continue;
        }
        ++filled;
        SCOPED_TRACE(box->objectName().toStdString());
        const QFontMetricsF metrics(box->font());
        for (const QString& line : box->toPlainText().split(QLatin1Char('\n'))) {
            EXPECT_LE(metrics.horizontalAdvance(line), box->viewport()->width())
                << line.toStdString();
        }
        EXPECT_EQ(box->verticalScrollBar()->maximum(), 0);
        EXPECT_FALSE(box->horizontalScrollBar()->isVisible());
    }
    EXPECT_GE(filled, 6);
}

// On a screen too small for the layout (the full edition at 150 % on 1600 x 1200), the window
// fits the screen and scrolls: every button can be brought into view, and nothing moves in the
// layout. On a screen with room it shows the layout whole again, without scroll bars.
TEST_P(WindowLooks, AWindowLargerThanTheScreenScrolls) {
    CalculatorWindow& window = run_.window();
    const QSize whole = window.size();
    auto* calculate = run_.get<QPushButton>("cmdCalculation");
    const QPoint placed = calculate->pos();
    auto* area = window.findChild<QScrollArea*>();
    ASSERT_NE(area, nullptr);
    EXPECT_FALSE(window.scrolls());

    const QSize small = whole * 2 / 3;
    window.fitInto(small);
    QApplication::processEvents();
    EXPECT_TRUE(window.scrolls());
    EXPECT_LE(window.width(), small.width());
    EXPECT_LE(window.height(), small.height());
    for (const char* name : {"cmdCalculation", "cmdOpen", "cmdSaveStat", "cmdAnalysis"}) {
        auto* button = run_.get<QPushButton>(name);
        area->ensureWidgetVisible(button);
        QApplication::processEvents();
        const QRect shown(button->mapTo(area->viewport(), QPoint(0, 0)), button->size());
        EXPECT_TRUE(area->viewport()->rect().contains(shown)) << name;
    }
    EXPECT_EQ(calculate->pos(), placed);

    window.fitInto(QSize(4000, 3000));
    QApplication::processEvents();
    EXPECT_FALSE(window.scrolls());
    EXPECT_EQ(window.size(), whole);
    EXPECT_FALSE(area->verticalScrollBar()->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothEditions, WindowLooks, ::testing::Values(Edition::Full, Edition::Lite),
                         testing::EditionTestName);

}  // namespace
}  // namespace brakefell
