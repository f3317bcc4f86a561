// "빌드 분석" on the offscreen platform: opened by "분석" and F2, following the main window's
// inputs, showing what the analysis library says, and the optimiser's "적용" and "취소".

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "analysis/analysis_csv.h"
#include "analysis/analysis_page.h"
#include "analysis/analysis_pages.h"
#include "analysis/analysis_texts.h"
#include "analysis/compare.h"
#include "analysis/stat_values.h"
#include "engine/report/calculation_report.h"
#include "form/messages.h"
#include "named_child.h"
#include "report_run.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/chart_tab.h"
#include "window/analysis/comparison_tab.h"
#include "window/analysis/optimizer_tab.h"
#include "window/analysis/stat_values_tab.h"
#include "window_fixture.h"

namespace brakefell {
namespace {

using testing::Child;
using testing::Click;
using testing::ProgramFolder;
using testing::RunningWindow;
using testing::ShownBackground;
using testing::ShownRows;
using testing::ShownText;

class AnalysisWindowTest : public ::testing::TestWithParam<Edition> {
  protected:
    void SetUp() override { run_.prompts().messages.clear(); }

    AnalysisWindow& open() {
        AnalysisWindow& window = run_.window().openAnalysis();
        window.refreshNow();
        return window;
    }

    // Types into a box of the main window as the person does; the analysis follows soon after.
    void type(const QString& box, const QString& text) {
        auto* edit = run_.get<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
        if (AnalysisWindow* window = run_.window().analysis()) {
            window->waitForResults();
        }
    }

    // The page of that name, brought to the front and filled.
    template <typename Tab>
    Tab& tab(AnalysisWindow& window, const char* name) {
        auto& page = Child<Tab>(window, name);
        Tabs(window).setCurrentWidget(&page);
        window.refreshNow();
        return page;
    }
    static QTabWidget& Tabs(AnalysisWindow& window) { return Child<QTabWidget>(window, "tabs"); }

    const Metric dps_ = *MetricNamed(u"dps");
    ProgramFolder folder_;
    RunningWindow run_{GetParam(), folder_};
};

TEST_P(AnalysisWindowTest, OpensOnceByTheButtonOrF2TitledAfterTheMainWindow) {
    EXPECT_EQ(run_.window().analysis(), nullptr);  // nothing built at start-up
    Click(run_.get<QPushButton>("cmdAnalysis"));
    AnalysisWindow* first = run_.window().analysis();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("빌드 분석 - ") + run_.window().windowTitle());
    first->close();
    run_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run_.window()));
    QTest::keyClick(&run_.window(), Qt::Key_F2);
    EXPECT_EQ(run_.window().analysis(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(Tabs(*first).count(), 5);

    // Minimised, F2 brings it back: shown as it was, in front, active.
    first->showMinimized();
    run_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run_.window()));
    QTest::keyClick(&run_.window(), Qt::Key_F2);
    EXPECT_FALSE(first->isMinimized());
    EXPECT_TRUE(QTest::qWaitForWindowActive(first));

    // The buttons' tooltips name their keys, and F5 presses "계산".
    EXPECT_TRUE(run_.get<QPushButton>("cmdCalculation")->toolTip().contains("F5"));
    EXPECT_TRUE(run_.get<QPushButton>("cmdAnalysis")->toolTip().contains("F2"));
    EXPECT_TRUE(run_.get<QPushButton>("cmdOpen")->toolTip().contains("Ctrl+O"));
    first->close();
    run_.window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&run_.window()));
    QTest::keyClick(&run_.window(), Qt::Key_F5);
    EXPECT_TRUE(run_.get<QPlainTextEdit>("txtResult(0)")->isVisible());
}

// What a table shows, cell by cell, against a table of the core's page for the same inputs; the
// rows that move nothing are left out unless `all`.
void ExpectShows(const QAbstractItemView& view, const AnalysisTable& table, bool all) {
    std::vector<const TableRow*> rows;
    for (const TableRow& row : table.rows) {
        if (all || !row.unchanged) {
            rows.push_back(&row);
        }
    }
    ASSERT_EQ(ShownRows(view), static_cast<int>(rows.size()));
    for (int row = 0; row < ShownRows(view); ++row) {
        for (std::size_t column = 0; column < table.columns.size(); ++column) {
            EXPECT_EQ(ShownText(view, row, static_cast<int>(column)),
                      QStringOf(rows[row]->cells.at(column).text))
                << "row " << row << " column " << column;
        }
    }
}

TEST_P(AnalysisWindowTest, StatValuesAreTheCorePageAndFollowTheInputs) {
    AnalysisWindow& window = open();
    auto& page = tab<StatValuesTab>(window, "statValuesTab");
    const auto& values = Child<AnalysisTableView>(page, "statValues");
    const auto& cliffs = Child<AnalysisTableView>(page, "cliffs");
    const auto& pages = Child<NoteOrContent>(page, "statValuesPages");
    auto& showUnchanged = Child<QCheckBox>(page, "showUnchanged");
    auto& metric = Child<QComboBox>(window, "metric");
    const auto& fallback = Child<QLabel>(window, "metricFallback");
    const auto expectCorePage = [&] {
        const AnalysisPage core =
            StatValuesPage(ComputeStatValues(run_.form().characterSheet(),
                                             MetricProbe(run_.form().catalogue(), dps_)),
                           TableForm::Browsed);
        ASSERT_EQ(core.tables.size(), 2u);
        ExpectShows(values, core.tables[0], showUnchanged.isChecked());
        ExpectShows(cliffs, core.tables[1], true);
    };
    expectCorePage();
    testing::Tick(&showUnchanged);
    expectCorePage();
    testing::Tick(&showUnchanged);
    const QString before = ShownText(values, 0, 2);
    const int refreshes = window.refreshes();
    type(QStringLiteral("txtWeaponDamageMax"), QStringLiteral("3000"));
    EXPECT_GT(window.refreshes(), refreshes);  // without "계산"
    EXPECT_NE(ShownText(values, 0, 2), before);
    expectCorePage();
    EXPECT_FALSE(run_.get<QPlainTextEdit>("txtResult(0)")->isVisible());  // the report waits

    // A refused input shows the note, never the numbers of before.
    type(QStringLiteral("txtMainStat"), QStringLiteral("1e999"));
    EXPECT_TRUE(pages.showsNote());
    EXPECT_EQ(pages.note(), QStringOf(messages::kCalculationRefused));
    type(QStringLiteral("txtMainStat"), QStringLiteral("8830"));
    EXPECT_FALSE(pages.showsNote());

    // A metric these inputs do not have: the tab shows the one they suggest, never goes empty,
    // and one line says so in the window's words.
    metric.setCurrentIndex(metric.findData("hit-0"));
    window.refreshNow();
    EXPECT_FALSE(pages.showsNote());
    EXPECT_TRUE(fallback.isVisibleTo(&window));
    EXPECT_TRUE(fallback.text().startsWith(QStringOf(MetricCaption(*MetricNamed(u"hit-0"))) +
                                           QStringLiteral(" 대신 ") +
                                           QStringOf(MetricCaption(dps_))))
        << fallback.text().toStdString();
    metric.setCurrentIndex(metric.findData("dps"));
    window.refreshNow();
    EXPECT_FALSE(fallback.isVisibleTo(&window));
}

// "CSV 저장" writes the tables the tab shows as the core writes them, adding the ending to a bare
// name, and has nothing to save while a note stands in their place.
TEST_P(AnalysisWindowTest, CsvSavesTheTablesShown) {
    AnalysisWindow& window = open();
    auto& page = tab<StatValuesTab>(window, "statValuesTab");
    auto& csv = Child<QPushButton>(page, "statValuesCsv");
    ASSERT_TRUE(csv.isEnabled());
    const QString named = folder_.file(QStringLiteral("스탯 가치"));
    QTimer::singleShot(0, [&named] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(named);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    csv.click();
    QFile saved(named + QStringLiteral(".csv"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().toStdString(),
              AnalysisPageCsv(
                  StatValuesPage(ComputeStatValues(run_.form().characterSheet(),
                                                   MetricProbe(run_.form().catalogue(), dps_)),
                                 TableForm::Browsed)));
    type(QStringLiteral("txtMainStat"), QStringLiteral("1e999"));
    EXPECT_FALSE(csv.isEnabled());
}

TEST_P(AnalysisWindowTest, CliffLinesSayTheAttackSpeedStepWithItsSignAsTheToolDoes) {
    AnalysisWindow& window = open();
    auto& page = tab<StatValuesTab>(window, "statValuesTab");
    const auto& cliffs = Child<AnalysisTableView>(page, "cliffs");
    // The default character's brackets begin at 7.71 %, 25.17 % and 49.40 %; the drop is to the
    // hundredth below one. Up is +, down is -.
    const QStringList rows[] = {{"27", "다음 구간까지 +22.40%p", "아래 구간까지 -1.84%p"},
                                {"30", "다음 구간까지 +19.40%p", "아래 구간까지 -4.84%p"},
                                {"20", "다음 구간까지 +5.17%p", "아래 구간까지 -12.30%p"}};
    for (const QStringList& row : rows) {
        type(QStringLiteral("txtAttackSpeed"), row[0]);
        window.refreshNow();
        const QStringList edition = {"--edition", GetParam() == Edition::Lite ? "lite" : "full"};
        const report::ParsedOptions parsed = report::ParseReportOptions(
            edition + QStringList{"--catalogue", folder_.file("Gloamstalker007.txt"),
                                  "--stat-values", "--set", "txtAttackSpeed=" + row[0]});
        ASSERT_TRUE(parsed.options.has_value()) << parsed.error.toStdString();
        QTemporaryDir elsewhere;
        DesktopPlatform desktop;
        const report::RunResult tool = report::RunReport(
            *parsed.options, {PathOf(elsewhere.path()), PathOf(elsewhere.filePath("user"))},
            desktop.platform());
        const QStringList toolLines = QString::fromUtf8(tool.standardOutput).split(u'\n');
        ASSERT_EQ(ShownRows(cliffs), 2) << row[0].toStdString();
        for (int cliff = 0; cliff < 2; ++cliff) {
            const QString title = ShownText(cliffs, cliff, 0);
            EXPECT_TRUE(title.startsWith(row[1 + cliff] + u' ')) << title.toStdString();
            // The tool's line is the title followed by the value.
            EXPECT_TRUE(toolLines.contains(title + QStringLiteral(" (") +
                                           ShownText(cliffs, cliff, 2) + u')'))
                << title.toStdString();
        }
    }
}

TEST_P(AnalysisWindowTest, ComparisonIsTheLibrarysAndAProfileThatFailsKeepsB) {
    AnalysisWindow& window = open();
    auto& page = tab<ComparisonTab>(window, "comparisonTab");
    const auto& pages = Child<NoteOrContent>(page, "comparisonPages");
    const auto& figures = Child<AnalysisTableView>(page, "figures");
    EXPECT_TRUE(pages.showsNote());  // no B yet
    Click(&Child<QPushButton>(page, "snapshotB"));
    type(QStringLiteral("txtMainStat"), QStringLiteral("9300"));
    window.refreshNow();
    ASSERT_FALSE(pages.showsNote());
    const Comparison expected = CompareBuilds(run_.form(), page.build().form(), dps_);
    ASSERT_EQ(ShownRows(figures), static_cast<int>(expected.figures.size()));
    for (int row = 0; row < ShownRows(figures); ++row) {
        const FigureComparison& f = expected.figures[row];
        EXPECT_EQ(ShownText(figures, row, 1), QStringOf(OrNoValue(FigureText(f.key, f.b))));
        EXPECT_EQ(ShownText(figures, row, 2), QStringOf(OrNoValue(FigureText(f.key, f.a))));
    }

    // B from a damaged profile: the open error, and B stays the snapshot.
    QFile damaged(folder_.file("damaged.cfg"));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(" 0 \r\n6\r\n");
    damaged.close();
    run_.prompts().openAnswers.push_back(PathOf(folder_.file("damaged.cfg")));
    Click(&Child<QPushButton>(page, "openB"));
    EXPECT_EQ(run_.prompts().messages,
              std::vector<std::u16string>{std::u16string(messages::kProfileOpenError)});
    EXPECT_EQ(page.build().form().at(u"txtMainStat").text, u"8830");
    EXPECT_EQ(page.build().form().at(u"txtWeaponExtraSpeed").text, u"6");
}

// B, once pinned, is the baseline (기준) and the inputs of now are the build under test: a build
// that lost damage reads red with a negative change, one that gained reads green.
TEST_P(AnalysisWindowTest, ComparisonReadsNowAgainstThePinnedBaseline) {
    struct Change {
        const char* box;
        const char* was;
        const char* now;
        const char* caption;
        bool better;
    };
    AnalysisWindow& window = open();
    auto& page = tab<ComparisonTab>(window, "comparisonTab");
    const auto& pages = Child<NoteOrContent>(page, "comparisonPages");
    const auto& figures = Child<AnalysisTableView>(page, "figures");
    const auto& inputsDiffer = Child<AnalysisTableView>(page, "inputsDiffer");
    for (const Change& change : {Change{"txtAttackSpeed", "27", "24", "공격속도", false},
                                 Change{"txtMainStat", "8830", "9300", "민첩", true}}) {
        SCOPED_TRACE(change.box);
        type(QString::fromUtf8(change.box), QString::fromUtf8(change.was));
        Click(&Child<QPushButton>(page, "snapshotB"));
        type(QString::fromUtf8(change.box), QString::fromUtf8(change.now));
        window.refreshNow();
        ASSERT_FALSE(pages.showsNote());
        const QStringList columns{"항목", "기준 (B)", "지금", "차이 (지금 − 기준)",
                                  "% (기준 대비)"};
        for (int column = 0; column < columns.size(); ++column) {
            EXPECT_EQ(figures.model()->headerData(column, Qt::Horizontal).toString(),
                      columns[column]);
        }
        const QString sign = change.better ? QStringLiteral("+") : QStringLiteral("-");
        EXPECT_TRUE(ShownText(figures, 0, 3).startsWith(sign));  // damage per second
        EXPECT_TRUE(ShownText(figures, 0, 4).startsWith(sign));
        // A shorter kill time is better: the opposite sign, the same colour.
        const int killTimeRow = 6;
        EXPECT_TRUE(ShownText(figures, killTimeRow, 0).startsWith("처치 시간"));
        EXPECT_FALSE(ShownText(figures, killTimeRow, 3).startsWith(sign));
        const QColor dps = ShownBackground(figures, 0, 0);
        EXPECT_EQ(ShownBackground(figures, killTimeRow, 3), dps);
        EXPECT_EQ(dps.green() > dps.red(), change.better);
        // The inputs by their captions, the baseline first.
        ASSERT_EQ(ShownRows(inputsDiffer), 1);
        EXPECT_EQ(inputsDiffer.model()->columnCount(), 3);
        EXPECT_EQ(ShownText(inputsDiffer, 0, 0), QString::fromUtf8(change.caption));
        EXPECT_EQ(ShownText(inputsDiffer, 0, 1), QString::fromUtf8(change.was));
        EXPECT_EQ(ShownText(inputsDiffer, 0, 2), QString::fromUtf8(change.now));
    }
}

TEST_P(AnalysisWindowTest, ChartIsTheSweepWithBracketLinesAndAMarker) {
    AnalysisWindow& window = open();
    auto& page = tab<ChartTab>(window, "chartTab");
    const QChart& chart = *Child<QChartView>(page, "chart").chart();
    const auto& lineNow = Child<QLineSeries>(chart, "chartNow");
    const auto& marker = Child<QScatterSeries>(chart, "chartMarker");
    const QList<QLineSeries*> brackets = chart.findChildren<QLineSeries*>("chartBracket");
    auto& boxChooser = Child<QComboBox>(page, "chartBox");
    const auto& hover = Child<QLabel>(page, "chartHover");
    const NumberBox& box = *FindNumberBox(u"txtAttackSpeed");
    const CharacterSheet sheet = run_.form().characterSheet();
    const SweepRequest request = DefaultSweepRange(box, sheet.txtAttackSpeed);
    EXPECT_EQ(Child<QDoubleSpinBox>(page, "chartFrom").value(), request.from);
    const auto swept = ComputeSweep(sheet,
                                    {&box, Child<QDoubleSpinBox>(page, "chartFrom").value(),
                                     Child<QDoubleSpinBox>(page, "chartTo").value(),
                                     Child<QDoubleSpinBox>(page, "chartStep").value()},
                                    MetricProbe(run_.form().catalogue(), dps_));
    const Sweep& sweep = std::get<Sweep>(swept);
    ASSERT_EQ(lineNow.count(), static_cast<int>(sweep.points.size()));
    EXPECT_EQ(lineNow.at(10).y(), *sweep.points[10].metric);
    EXPECT_EQ(brackets.size(), sweep.bracketChanges.size());
    EXPECT_FALSE(brackets.empty());
    EXPECT_EQ(brackets[0]->at(0).x(), sweep.bracketChanges[0]);
    ASSERT_EQ(marker.count(), 1);
    EXPECT_EQ(marker.at(0).x(), 27);
    EXPECT_FALSE(Child<QLineSeries>(chart, "chartBaseline").isVisible());

    // Over a bracket change the line jumps between two computed points: the value under the
    // mouse is one of them, never the line's value between them, with the box's own decimals.
    const double cliff = sweep.bracketChanges[0];
    const auto after = std::find_if(sweep.points.begin(), sweep.points.end(),
                                    [&](const SweepPoint& point) { return point.value >= cliff; });
    ASSERT_NE(after, sweep.points.begin());
    const auto before = std::prev(after);
    const auto shown = [&](const SweepPoint& point) {
        return boxChooser.currentText() + u' ' + QStringOf(PlainText(point.value)) +
               QStringLiteral(": ") + QStringOf(MetricValueText(dps_, point.metric));
    };
    page.showNearest(lineNow, before->value + (after->value - before->value) * 0.4);
    EXPECT_EQ(hover.text(), shown(*before));
    page.showNearest(lineNow, before->value + (after->value - before->value) * 0.6);
    EXPECT_EQ(hover.text(), shown(*after));
    page.showNearest(lineNow, sweep.points.back().value + 100);
    EXPECT_EQ(hover.text(), shown(sweep.points.back()));
    // Another box: the value shown belonged to the box before.
    boxChooser.setCurrentIndex(boxChooser.findData(QStringLiteral("txtMainStat")));
    EXPECT_FALSE(hover.text().contains(QStringLiteral(": ")));
    boxChooser.setCurrentIndex(boxChooser.findData(QStringLiteral("txtAttackSpeed")));

    // The main window's input moves the marker.
    type(QStringLiteral("txtAttackSpeed"), QStringLiteral("40"));
    window.refreshNow();
    EXPECT_EQ(marker.at(0).x(), 40);
}

TEST_P(AnalysisWindowTest, ApplyMakesTheNamedChangesThenPressesCalculationOnce) {
    AnalysisWindow& window = open();
    auto& page = tab<OptimizerTab>(window, "optimizerTab");
    auto& start = Child<QPushButton>(page, "optimizeStart");
    auto& results = Child<AnalysisTableView>(page, "optimizeResults");
    auto& apply = Child<QPushButton>(page, "optimizeApply");
    QSignalSpy finished(&page, &OptimizerTab::finished);
    Click(&start);
    ASSERT_TRUE(finished.wait(30000));
    ASSERT_TRUE(page.optimization().has_value());
    const OptimizedBuild& best = page.optimization()->top.at(0);
    ASSERT_FALSE(best.changes.empty());
    EXPECT_TRUE(Child<QLabel>(page, "optimizeStatus").text().contains("\n지금 빌드: "));

    const std::vector<ControlState> before = run_.form().controls();
    results.selectRow(0);
    Click(&apply);
    // Exactly the named controls changed (with their element labels), and nothing else.
    for (const ControlState& was : before) {
        const ControlState& now = run_.form().at(was.name);
        if (was.kind == ControlKind::ResultBox || was.kind == ControlKind::Label ||
            was.kind == ControlKind::Frame) {
            continue;
        }
        const auto change = std::find_if(best.changes.begin(), best.changes.end(),
                                         [&](const ChoiceChange& c) { return c.name == was.name; });
        if (change == best.changes.end()) {
            EXPECT_EQ(now.value, was.value) << Utf8OfUtf16(was.name);
            EXPECT_EQ(now.text, was.text) << Utf8OfUtf16(was.name);
        } else {
            EXPECT_EQ(now.value, change->to) << Utf8OfUtf16(was.name);
        }
    }
    // The report is what the headless tool gives for the same changes made with --set.
    report::ReportOptions options;
    options.edition = GetParam();
    options.cataloguePath = folder_.file("Gloamstalker007.txt");
    options.json = true;
    for (const ChoiceChange& change : best.changes) {
        options.assignments.push_back({QStringOf(change.name), QString::number(change.to)});
    }
    QTemporaryDir elsewhere;
    DesktopPlatform desktop;
    const report::RunResult tool =
        report::RunReport(options, {PathOf(elsewhere.path()), PathOf(elsewhere.filePath("user"))},
                          desktop.platform());
    ASSERT_EQ(tool.exitStatus, report::kExitOk);
    const QJsonObject boxes = QJsonDocument::fromJson(tool.standardOutput)["boxes"].toObject();
    for (int k = 0; k <= kResultBoxCount; ++k) {
        const QString name = k < kResultBoxCount ? QStringOf(IndexedName("txtResult", k))
                                                 : QStringLiteral("txtBowCycleResult");
        EXPECT_EQ(boxes[name].toObject()["text"].toString(),
                  QStringOf(run_.form().at(TextOf(name)).text))
            << name.toStdString();
        EXPECT_EQ(boxes[name].toObject()["visible"].toBool(), run_.form().at(TextOf(name)).visible);
    }
}

// A ranking belongs to the inputs it was found for: after an edit, whichever tab is in front,
// "적용" waits for a search of the inputs of now.
TEST_P(AnalysisWindowTest, ApplyWaitsForASearchOfTheInputsOfNow) {
    AnalysisWindow& window = open();
    auto& page = tab<OptimizerTab>(window, "optimizerTab");
    auto& start = Child<QPushButton>(page, "optimizeStart");
    auto& results = Child<AnalysisTableView>(page, "optimizeResults");
    auto& apply = Child<QPushButton>(page, "optimizeApply");
    const auto& status = Child<QLabel>(page, "optimizeStatus");
    const QString kOutOfDate = QStringLiteral("입력이 바뀌었습니다.");
    QSignalSpy finished(&page, &OptimizerTab::finished);
    const auto search = [&] {
        Click(&start);
        ASSERT_TRUE(finished.wait(30000));
        results.selectRow(0);
        ASSERT_TRUE(apply.isEnabled());
    };
    for (const int front : {3, 0}) {
        search();
        Tabs(window).setCurrentIndex(front);
        type(QStringLiteral("txtMainStat"), QStringLiteral("91%1").arg(front));
        Tabs(window).setCurrentWidget(&page);
        window.refreshNow();
        EXPECT_TRUE(status.text().startsWith(kOutOfDate)) << "tab " << front;
        EXPECT_FALSE(apply.isEnabled()) << "tab " << front;
        results.selectRow(1);
        EXPECT_FALSE(apply.isEnabled()) << "tab " << front;
    }
    search();
    EXPECT_FALSE(status.text().startsWith(kOutOfDate));
}

TEST_P(AnalysisWindowTest, CancelStopsSoonAndLeavesTheInputsAsTheyWere) {
    AnalysisWindow& window = open();
    auto& page = tab<OptimizerTab>(window, "optimizerTab");
    auto& start = Child<QPushButton>(page, "optimizeStart");
    auto& results = Child<AnalysisTableView>(page, "optimizeResults");
    auto& cancel = Child<QPushButton>(page, "optimizeCancel");
    Child<QCheckBox>(page, "optimizeGems").setChecked(true);
    Child<QCheckBox>(page, "optimizePassives").setChecked(true);
    const std::vector<ControlState> before = run_.form().controls();
    QSignalSpy finished(&page, &OptimizerTab::finished);
    Click(&start);
    ASSERT_TRUE(page.running());
    EXPECT_TRUE(cancel.isEnabled());
    QTest::qWait(50);  // the window keeps answering while the search runs
    Click(&cancel);
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(page.optimization()->cancelled);
    // The best found so far stay, and the bar and the line say where the search stopped.
    EXPECT_EQ(ShownRows(results), static_cast<int>(page.optimization()->top.size()));
    EXPECT_LT(Child<QProgressBar>(page, "optimizeProgress").value(),
              Child<QProgressBar>(page, "optimizeProgress").maximum());
    EXPECT_TRUE(Child<QLabel>(page, "optimizeStatus").text().startsWith("취소됨 ("));
    // Where the build of now stands, among the combinations reached.
    EXPECT_TRUE(
        Child<QLabel>(page, "optimizeStatus").text().contains("\n지금 빌드가 탐색한 조합 중") ||
        Child<QLabel>(page, "optimizeStatus").text().contains("\n지금 빌드: 탐색한 조합 중 "));
    for (const ControlState& was : before) {
        EXPECT_EQ(run_.form().at(was.name).text, was.text);
        EXPECT_EQ(run_.form().at(was.name).value, was.value);
    }
}

TEST_P(AnalysisWindowTest, EveryControlHasANameAndTabReachesItsPage) {
    AnalysisWindow& window = open();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (int index = 0; index < Tabs(window).count(); ++index) {
        Tabs(window).setCurrentIndex(index);
        window.refreshNow();
        QWidget* page = Tabs(window).widget(index);
        QList<QWidget*> stops;
        for (QWidget* widget : page->findChildren<QWidget*>()) {
            const bool control = qobject_cast<QAbstractButton*>(widget) != nullptr ||
                                 qobject_cast<QComboBox*>(widget) != nullptr ||
                                 qobject_cast<QAbstractSpinBox*>(widget) != nullptr ||
                                 qobject_cast<QAbstractItemView*>(widget) != nullptr ||
                                 qobject_cast<QGraphicsView*>(widget) != nullptr;
            if (!control || !widget->isVisibleTo(&window) ||
                qobject_cast<QAbstractItemView*>(widget->parentWidget()) != nullptr) {
                continue;
            }
            const auto* button = qobject_cast<QAbstractButton*>(widget);
            const QString name = button != nullptr ? button->text() : widget->accessibleName();
            EXPECT_FALSE(name.isEmpty())
                << widget->metaObject()->className() << " on tab " << index;
            if (widget->focusPolicy() & Qt::TabFocus && widget->isEnabled()) {
                stops.append(widget);
            }
        }
        // Tab from the metric chooser reaches each of the page's controls.
        Child<QComboBox>(window, "metric").setFocus(Qt::TabFocusReason);
        QSet<QWidget*> reached;
        for (int step = 0; step < 60; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            reached.insert(QApplication::focusWidget());
        }
        for (QWidget* stop : stops) {
            EXPECT_TRUE(reached.contains(stop) || reached.contains(stop->focusProxy()))
                << stop->metaObject()->className() << " " << stop->objectName().toStdString();
        }
    }
}

// The keys a player knows from the main window work while "빌드 분석" is in front, and the
// window opens again where the player left it.
TEST_P(AnalysisWindowTest, KeysWorkInBothWindowsAndTheGeometryIsRemembered) {
    AnalysisWindow& window = open();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_F5);
    EXPECT_TRUE(run_.get<QPlainTextEdit>("txtResult(0)")->isVisible());  // "계산" ran
    const std::size_t recorded = run_.session().history().entries().size();
    type(QStringLiteral("txtMainStat"), QStringLiteral("9000"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(run_.session().history().entries().size(), recorded + 1);
    QTest::keyClick(&window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringOf(run_.session().shareCode()));
    type(QStringLiteral("txtMainStat"), QStringLiteral("7000"));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(run_.form().at(u"txtMainStat").text, u"9000");  // the code copied above

    const QRect left(120, 90, 960, 700);
    window.setGeometry(left);
    window.close();
    AnalysisWindow again(run_.session());
    EXPECT_EQ(again.size(), left.size());
    // The window system's frame may shift the place by its border.
    EXPECT_LE((again.pos() - window.pos()).manhattanLength(), 8);
}

// Players read Korean captions only: no control's or metric's inner name in any text, tooltip,
// list entry, table cell or heading of "빌드 분석", on every tab, with the sentries on and off.
TEST_P(AnalysisWindowTest, NoInnerNameInAnythingAPlayerReads) {
    AnalysisWindow& window = open();
    const QRegularExpression inner(
        QStringLiteral("\\b(txt|chk|cbo|opt|cmd|lbl|fra)[A-Z]|\\bhit-\\d|kill-time|\\bdps\\b"));
    const auto expectNone = [&](const QString& text, const QString& where) {
        EXPECT_FALSE(inner.match(text).hasMatch())
            << where.toStdString() << ": " << text.toStdString();
    };
    const auto walk = [&] {
        for (QWidget* widget : window.findChildren<QWidget*>()) {
            const QString name = widget->objectName();
            expectNone(widget->toolTip(), name + " tooltip");
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                expectNone(label->text(), name);
            }
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                expectNone(button->text(), name);
            }
            if (auto* box = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < box->count(); ++i) {
                    expectNone(box->itemText(i), name);
                }
            }
            if (auto* view = qobject_cast<QAbstractItemView*>(widget); view && view->model()) {
                const QAbstractItemModel& model = *view->model();
                for (int column = 0; column < model.columnCount(); ++column) {
                    expectNone(model.headerData(column, Qt::Horizontal).toString(), name);
                    for (int row = 0; row < model.rowCount(); ++row) {
                        expectNone(model.index(row, column).data().toString(), name);
                        expectNone(model.index(row, column).data(Qt::ToolTipRole).toString(), name);
                    }
                }
            }
        }
        for (int i = 0; i < Tabs(window).count(); ++i) {
            expectNone(Tabs(window).tabToolTip(i), Tabs(window).tabText(i));
        }
    };
    auto& comparison = tab<ComparisonTab>(window, "comparisonTab");
    type(QStringLiteral("txtMainStat"), QStringLiteral("9300"));  // B differs in one input
    Click(&Child<QPushButton>(comparison, "snapshotB"));
    type(QStringLiteral("txtMainStat"), QStringLiteral("8830"));
    for (const bool crossbow : {true, false}) {
        if (!crossbow) {
            Click(run_.get<QCheckBox>("chkCrossbow"));
        }
        for (int i = 0; i < Tabs(window).count(); ++i) {
            Tabs(window).setCurrentIndex(i);
            window.refreshNow();
            walk();
        }
    }
    auto& optimizer = tab<OptimizerTab>(window, "optimizerTab");
    QSignalSpy finished(&optimizer, &OptimizerTab::finished);
    Click(&Child<QPushButton>(optimizer, "optimizeStart"));
    ASSERT_TRUE(finished.wait(30000));
    walk();
}

INSTANTIATE_TEST_SUITE_P(BothEditions, AnalysisWindowTest,
                         ::testing::Values(Edition::Full, Edition::Lite), testing::EditionTestName);

}  // namespace
}  // namespace brakefell
