// How quickly "빌드 분석" follows the main window, on the offscreen platform: the milliseconds from
// a typed change to the open tab being up to date (stat values, comparison, a 1,000-point chart),
// how long the window's event loop waits while the optimiser runs, and how soon "취소" ends it.
//   brakefell_analysis_timing [rounds]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "qt_adapters/desktop_platform.h"
#include "qt_adapters/qt_text.h"
#include "session/calculator_session.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/chart_tab.h"
#include "window/analysis/optimizer_tab.h"
#include "window/calculator_window.h"
#include "window/korean_texts.h"
#include "window/window_fonts.h"

namespace {

using namespace brakefell;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// From a change typed into txtMainStat to the open tab having been brought up to date.
double FollowMs(AnalysisWindow& analysis, QLineEdit& box, int round) {
    const int before = analysis.refreshes();
    QElapsedTimer timer;
    timer.start();
    box.setText(QString::number(8800 + round));
    emit box.textEdited(box.text());
    while (analysis.refreshes() == before) {
        QApplication::processEvents(QEventLoop::AllEvents);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(WindowFont());
    InstallKoreanQtTexts(app);
    const int rounds = argc > 1 ? std::max(3, std::atoi(argv[1])) : 30;

    QTemporaryDir programDir;
    QFile::copy(QDir(QApplication::applicationDirPath()).filePath("Gloamstalker007.txt"),
                QDir(programDir.path()).filePath("Gloamstalker007.txt"));
    NobodyThere prompts;
    DesktopPlatform desktop;
    CalculatorSession session(Edition::Full,
                              {PathOf(programDir.path()), PathOf(programDir.filePath("user"))},
                              desktop.platform(), prompts);
    session.startUp();
    CalculatorWindow window(session);
    window.show();
    AnalysisWindow& analysis = window.openAnalysis();
    auto* mainStat = window.findChild<QLineEdit*>(QStringLiteral("txtMainStat"));

    const char* names[] = {"stat values", "comparison (B set)", "chart, 1,000 points"};
    for (int tab = 0; tab < 3; ++tab) {
        analysis.tabs().setCurrentIndex(tab);
        if (tab == 1) {
            analysis.findChild<QPushButton*>(QStringLiteral("snapshotB"))->click();
        }
        if (tab == 2) {
            auto* chart = static_cast<ChartTab*>(analysis.tabs().widget(2));
            chart->from().setValue(0);
            chart->to().setValue(99.9);
            chart->step().setValue(0.1);
        }
        analysis.refreshNow();
        std::vector<double> ms;
        for (int round = 0; round < rounds; ++round) {
            ms.push_back(FollowMs(analysis, *mainStat, round));
        }
        std::printf("%-22s median %.2f ms, worst %.2f ms\n", names[tab], Median(ms),
                    *std::max_element(ms.begin(), ms.end()));
    }

    // The optimiser over runes, gems and passives: the event loop's longest wait while it runs,
    // then the time from "취소" to the search having ended.
    analysis.tabs().setCurrentIndex(3);
    analysis.refreshNow();
    auto* optimizer = static_cast<OptimizerTab*>(analysis.tabs().widget(3));
    optimizer->gems().setChecked(true);
    optimizer->passives().setChecked(true);
    optimizer->startButton().click();
    QElapsedTimer since;
    since.start();
    double longestWait = 0;
    QElapsedTimer tick;
    tick.start();
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestWait = std::max(longestWait, static_cast<double>(tick.nsecsElapsed()) / 1e6);
        tick.restart();
    });
    beat.start(5);
    while (since.elapsed() < 700) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QElapsedTimer cancelled;
    cancelled.start();
    optimizer->cancelButton().click();
    QEventLoop wait;
    QObject::connect(optimizer, &OptimizerTab::finished, &wait, &QEventLoop::quit);
    if (optimizer->running()) {
        wait.exec();
    }
    std::printf("%-22s longest event-loop wait %.1f ms (5 ms timer)\n", "optimiser running",
                longestWait);
    std::printf("%-22s %.1f ms from the click to the search's end\n", "cancel",
                static_cast<double>(cancelled.nsecsElapsed()) / 1e6);
    return 0;
}
