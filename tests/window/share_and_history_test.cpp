// Share codes on the clipboard and the calculation history ("기록") in the real windows: a code
// copied and pasted back restores the inputs, a bad one says so once and changes nothing; each
// "계산" that is taken leaves an entry that comes back after a restart and restores its build.

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "analysis/analysis_texts.h"
#include "analysis/metric_probe.h"
#include "form/messages.h"
#include "named_child.h"
#include "profile/profile_lines.h"
#include "profile/share_code.h"
#include "profile/shared_build.h"
#include "session/calculation_history.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/history_tab.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Child;
using testing::Click;
using testing::ProgramFolder;
using testing::RunningWindow;

class ShareAndHistoryTest : public ::testing::TestWithParam<Edition> {
  protected:
    void SetUp() override { run_->prompts().messages.clear(); }

    void type(const QString& box, const QString& text) {
        auto* edit = run_->get<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    void keys(QKeyCombination combination) {
        run_->window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&run_->window()));
        QTest::keyClick(&run_->window(), combination.key(), combination.keyboardModifiers());
    }
    QString report() { return run_->get<QPlainTextEdit>("txtResult(0)")->toPlainText(); }
    // Every report box with what it shows.
    QStringList wholeReport() {
        QStringList boxes;
        for (const ControlState& control : run_->form().controls()) {
            if (control.kind == ControlKind::ResultBox) {
                boxes << QStringOf(control.name + (control.visible ? u'+' : u'-') + control.text);
            }
        }
        return boxes;
    }
    void restoreOldest(HistoryTab& tab) {
        QAbstractItemView& table = Table(tab);
        table.setFocus();
        table.setCurrentIndex(table.model()->index(testing::ShownRows(table) - 1, 0));
        QTest::keyClick(&table, Qt::Key_Return);
    }
    void calculate(const QString& mainStat) {
        type("txtMainStat", mainStat);
        Click(run_->get<QPushButton>("cmdCalculation"));
    }
    std::size_t entries() { return run_->session().history().entries().size(); }
    // Enter on a row as the table shows it, then the window catches up with the calculation.
    void restoreShownRow(HistoryTab& tab, int row) {
        QAbstractItemView& table = Table(tab);
        table.setFocus();
        table.setCurrentIndex(table.model()->index(row, 0));
        QTest::keyClick(&table, Qt::Key_Return);
        run_->window().analysis()->refreshNow();
    }
    // A history file of these lines, read at the next start.
    void writeHistory(const std::string& lines) {
        const QString userData = QPathOf(folder_.folders().userDataDir);
        QDir().mkpath(userData);
        QFile file(userData + u'/' + QString::fromLatin1(kHistoryFileName));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QBytesOf(lines));
    }
    static std::string HistoryLine(const std::string& time, const SharedBuild& build) {
        const ZlibDeflate deflate;
        return time + ' ' + Latin1OfUtf16(ShareCodeOf(deflate, build)) + "\r\n";
    }
    static AnalysisTableView& Table(HistoryTab& tab) {
        return Child<AnalysisTableView>(tab, "history");
    }
    HistoryTab& historyTab() {
        AnalysisWindow& window = run_->window().openAnalysis();
        auto& tab = Child<HistoryTab>(window, "historyTab");
        Child<QTabWidget>(window, "tabs").setCurrentWidget(&tab);
        window.refreshNow();
        return tab;
    }

    ProgramFolder folder_;
    std::unique_ptr<RunningWindow> run_ = std::make_unique<RunningWindow>(GetParam(), folder_);
};

TEST_P(ShareAndHistoryTest, ACopiedCodePastedBackRestoresTheInputs) {
    type("txtMainStat", "9999");
    const std::string typed = WriteProfile(run_->form());
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringOf(run_->session().shareCode()));

    type("txtMainStat", "1234");
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    EXPECT_EQ(WriteProfile(run_->form()), typed);
    EXPECT_EQ(run_->get<QLineEdit>("txtMainStat")->text(), QStringLiteral("9999"));
    EXPECT_TRUE(run_->prompts().messages.empty());

    // The analysis window's buttons do the same.
    AnalysisWindow& analysis = run_->window().openAnalysis();
    type("txtMainStat", "4321");
    const std::string changed = WriteProfile(run_->form());
    Click(analysis.findChild<QPushButton*>(QStringLiteral("copyCode")));
    type("txtMainStat", "5");
    Click(analysis.findChild<QPushButton*>(QStringLiteral("pasteCode")));
    EXPECT_EQ(WriteProfile(run_->form()), changed);
}

TEST_P(ShareAndHistoryTest, ABadCodeSaysSoOnceAndChangesNothing) {
    type("txtMainStat", "7777");
    const std::string before = WriteProfile(run_->form());
    QGuiApplication::clipboard()->setText(QStringLiteral("BF1.not-a-build"));
    keys(Qt::CTRL | Qt::SHIFT | Qt::Key_V);
    EXPECT_EQ(run_->prompts().messages,
              std::vector<std::u16string>{std::u16string(messages::kShareCodeError)});
    EXPECT_EQ(WriteProfile(run_->form()), before);
}

TEST_P(ShareAndHistoryTest, EachCalculationTakenIsRecordedAndRestoresItsBuild) {
    HistoryTab& empty = historyTab();
    EXPECT_TRUE(Child<NoteOrContent>(empty, "historyPages").showsNote());

    // The first build with the target marked: an option that no profile holds.
    type("txtMainStat", "8000");
    testing::Tick(run_->get<QCheckBox>("chkMark"));
    Click(run_->get<QPushButton>("cmdCalculation"));
    const SharedBuild first = BuildOf(run_->form());
    const QStringList firstReport = wholeReport();
    type("txtMainStat", "9000");
    testing::Tick(run_->get<QCheckBox>("chkMark"));
    Click(run_->get<QPushButton>("cmdCalculation"));
    ASSERT_NE(wholeReport(), firstReport);
    type("txtMainStat", "1e999");  // refused: no entry
    Click(run_->get<QPushButton>("cmdCalculation"));
    ASSERT_EQ(run_->session().history().entries().size(), 2u);

    // Newest first, with the chosen metric as the library gives it for each entry's whole build.
    HistoryTab& tab = historyTab();
    const QAbstractItemView& table = Table(tab);
    ASSERT_EQ(testing::ShownRows(table), 2);
    AnalysisWindow& analysis = *run_->window().analysis();
    const Metric metric =
        *MetricNamed(TextOf(Child<QComboBox>(analysis, "metric").currentData().toString()));
    type("txtMainStat", "8000");
    const MetricProbe probe(run_->session().catalogue(), metric);
    CharacterSheet firstSheet = run_->form().characterSheet();
    firstSheet.chkMark = 1;
    EXPECT_EQ(testing::ShownText(table, 1, 1),
              QStringOf(MetricValueText(metric, probe(firstSheet).value)));
    EXPECT_TRUE(testing::ShownText(table, 1, 2).isEmpty());  // nothing before the first
    EXPECT_FALSE(testing::ShownText(table, 0, 2).isEmpty());

    // Enter on the older entry: its inputs come back and "계산" is pressed.
    type("txtMainStat", "1");
    restoreOldest(tab);
    EXPECT_EQ(BuildOf(run_->form()), first);
    EXPECT_EQ(wholeReport(), firstReport);
    EXPECT_EQ(run_->session().history().entries().size(), 3u);
    EXPECT_EQ(run_->prompts().messages, std::vector<std::u16string>{std::u16string(
                                            messages::kCalculationRefused)});  // the one refusal

    // After a restart the history is still there.
    run_->close();
    run_ = std::make_unique<RunningWindow>(GetParam(), folder_);
    EXPECT_EQ(run_->session().history().entries().size(), 3u);
    EXPECT_EQ(testing::ShownRows(Table(historyTab())), 3);
}

// Entries alike in value are told apart by what changed since the one before; "계산" pressed again
// on the same build leaves no second entry.
TEST_P(ShareAndHistoryTest, RowsTellWhatChangedAndTheSameBuildIsRecordedOnce) {
    calculate("8830");
    calculate("9000");
    Click(run_->get<QPushButton>("cmdCalculation"));
    EXPECT_EQ(entries(), 2u);

    HistoryTab& tab = historyTab();
    const QAbstractItemView& table = Table(tab);
    constexpr int kChanged = 3;
    ASSERT_EQ(testing::ShownRows(table), 2);
    EXPECT_EQ(testing::ShownText(table, 0, kChanged), QStringLiteral("민첩 8830→9000"));
    EXPECT_TRUE(testing::ShownText(table, 1, kChanged).isEmpty()) << "nothing before the oldest";
    EXPECT_TRUE(Child<QLabel>(tab, "historySummary").isHidden());

    calculate("9100");
    run_->window().analysis()->refreshNow();
    EXPECT_EQ(entries(), 3u);
    ASSERT_EQ(testing::ShownRows(table), 3);
    EXPECT_EQ(testing::ShownText(table, 0, kChanged), QStringLiteral("민첩 9000→9100"));
}

// Restoring an older entry brings its build back as the newest entry; the highlight stays on the
// entry the player chose, so that ↓ and Enter walk on through the older ones. The newest entry
// restored is the build already newest: nothing is added.
TEST_P(ShareAndHistoryTest, TheHighlightStaysOnTheEntryRestored) {
    calculate("8000");
    calculate("9000");
    HistoryTab& tab = historyTab();
    const QAbstractItemView& table = Table(tab);
    ASSERT_EQ(testing::ShownRows(table), 2);

    restoreShownRow(tab, 1);
    ASSERT_EQ(entries(), 3u);
    ASSERT_EQ(testing::ShownRows(table), 3);
    EXPECT_EQ(testing::ShownText(table, 0, 3), QStringLiteral("민첩 9000→8000"));
    EXPECT_EQ(table.currentIndex().row(), 2);
    EXPECT_EQ(table.selectionModel()->selectedRows(0).value(0).row(), 2);

    restoreShownRow(tab, 0);
    EXPECT_EQ(entries(), 3u);
    EXPECT_EQ(table.currentIndex().row(), 0);
    EXPECT_EQ(table.selectionModel()->selectedRows(0).value(0).row(), 0);
}

// A damaged line among good ones costs only itself: the good entries show, and the line above the
// table says how many were skipped, with no box at start-up.
TEST_P(ShareAndHistoryTest, ADamagedLineIsSkippedAndSaidAboveTheTable) {
    run_->close();
    SharedBuild build = BuildOf(run_->form());
    std::string lines = HistoryLine("2026-12-09T10:00:00.000Z", build);
    lines += "2026-12-09T10:05:00.000Z BF1.not-a-build\r\n";
    run_->form().setText(u"txtMainStat", u"9000");
    lines += HistoryLine("2026-12-09T10:10:00.000Z", BuildOf(run_->form()));
    writeHistory(lines);
    run_ = std::make_unique<RunningWindow>(GetParam(), folder_);
    run_->prompts().messages.clear();

    HistoryTab& tab = historyTab();
    EXPECT_TRUE(run_->prompts().messages.empty());
    EXPECT_EQ(testing::ShownRows(Table(tab)), 2);
    EXPECT_FALSE(Child<QLabel>(tab, "historySummary").isHidden());
    EXPECT_EQ(Child<QLabel>(tab, "historySummary").text(),
              QStringLiteral("기록 파일의 손상된 줄 1개를 건너뛰었습니다."));
    calculate("9100");
    run_->window().analysis()->refreshNow();
    EXPECT_EQ(testing::ShownRows(Table(tab)), 3);
    EXPECT_EQ(Child<QLabel>(tab, "historySummary").text(),
              QStringLiteral("기록 파일의 손상된 줄 1개를 건너뛰었습니다."));
}

// An entry whose build no longer reads (a profile cut short) says so when restored, as "열기" does.
TEST_P(ShareAndHistoryTest, AnEntryThatCannotBeReadSaysSoWhenRestored) {
    run_->close();
    SharedBuild damaged = BuildOf(run_->form());
    damaged.profile.resize(damaged.profile.rfind("\r\n", damaged.profile.size() - 3) + 2);
    writeHistory(HistoryLine("2026-12-09T10:00:00.000Z", damaged));
    run_ = std::make_unique<RunningWindow>(GetParam(), folder_);
    run_->prompts().messages.clear();
    type("txtMainStat", "4444");
    const SharedBuild before = BuildOf(run_->form());

    restoreOldest(historyTab());
    EXPECT_EQ(run_->prompts().messages,
              std::vector<std::u16string>{std::u16string(messages::kProfileOpenError)});
    EXPECT_EQ(BuildOf(run_->form()), before);
    EXPECT_EQ(run_->session().history().entries().size(), 1u) << "no calculation was pressed";
}

INSTANTIATE_TEST_SUITE_P(BothEditions, ShareAndHistoryTest,
                         ::testing::Values(Edition::Full, Edition::Lite), testing::EditionTestName);

}  // namespace
}  // namespace brakefell
