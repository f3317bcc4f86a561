// How "빌드 분석" keeps up with typing, on the offscreen platform. For each tab in front (stat
// values, the comparison with B set, the chart at 1,000 points and at a step of 0.001, the
// optimiser, the history of 200 calculations) it types keystrokes into the main window's
// txtMainStat as a person does, through the event loop, and reports the longest time the window's
// event loop could not answer (a 1 ms timer's longest gap: the GUI thread blocked) and how long
// after the last keystroke the tab showed the newest inputs. Then the event loop's longest wait
// while the optimiser runs, and how soon "취소" ends it.
//   brakefell_analysis_timing [keystrokes per tab]

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <string>

#include "devtools/scratch_calculator.h"
#include "profile/share_code.h"
#include "session/calculation_history.h"
#include "text/strings.h"
#include "text/utc_time_text.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/chart_tab.h"
#include "window/analysis/comparison_tab.h"
#include "window/analysis/optimizer_tab.h"

namespace {

using namespace brakefell;

constexpr int kKeystrokeGapMs = 120;  // a quick typist
constexpr int kQuietMs = 600;         // no new result for this long: the tab has caught up

// The GUI thread's own processor time: unlike the wall clock, it does not count the time the
// machine gave to other programs.
double ThreadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

struct Waits {
    double wallMs = 0;  // the longest gap between beats
    double busyMs = 0;  // the most processor time the GUI thread spent between two beats
};

// The longest gap between the beats of a 1 ms timer: how long the GUI thread could not answer,
// by the wall clock and by the thread's own processor time.
class Heartbeat {
  public:
    Heartbeat() {
        beat_.setTimerType(Qt::PreciseTimer);
        beat_.setInterval(1);
        QObject::connect(&beat_, &QTimer::timeout, [this] {
            const double cpu = ThreadCpuMs();
            longest_.wallMs =
                std::max(longest_.wallMs, static_cast<double>(tick_.nsecsElapsed()) / 1e6);
            longest_.busyMs = std::max(longest_.busyMs, cpu - cpu_);
            tick_.restart();
            cpu_ = cpu;
        });
    }
    void start() {
        longest_ = {};
        tick_.start();
        cpu_ = ThreadCpuMs();
        beat_.start();
    }
    Waits stop() {
        beat_.stop();
        return longest_;
    }

  private:
    QTimer beat_;
    QElapsedTimer tick_;
    double cpu_ = 0;
    Waits longest_;
};

void RunFor(int ms) {
    QElapsedTimer since;
    since.start();
    while (since.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
    }
}

// Waits until the analysis window has nothing left to reckon and has shown no new result for
// kQuietMs; the time from `since` to its last result.
double Settle(const AnalysisWindow& analysis, const QElapsedTimer& since) {
    int shown = analysis.refreshes();
    double last = static_cast<double>(since.nsecsElapsed()) / 1e6;
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < kQuietMs || analysis.reckoning()) {
        QApplication::processEvents(QEventLoop::AllEvents, 1);
        if (analysis.refreshes() != shown) {
            shown = analysis.refreshes();
            last = static_cast<double>(since.nsecsElapsed()) / 1e6;
            quiet.restart();
        }
    }
    return last;
}

// A keystroke as the keyboard delivers it: through the event queue to the focused box.
void PostKey(QLineEdit& box, int key, const QString& text) {
    QApplication::postEvent(&box, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QApplication::postEvent(&box, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

struct Typing {
    Waits longest;
    double caughtUpMs = 0;  // from the last keystroke to the last result shown
};

// Alternately deletes the last digit and types another, every kKeystrokeGapMs.
Typing TypeInto(QLineEdit& box, const AnalysisWindow& analysis, int keystrokes) {
    box.setFocus();
    box.end(false);
    Heartbeat heartbeat;
    heartbeat.start();
    for (int k = 0; k < keystrokes; ++k) {
        if (k % 2 == 0) {
            PostKey(box, Qt::Key_Backspace, QString());
        } else {
            const QString digit = QString::number(k % 10);
            PostKey(box, Qt::Key_0 + k % 10, digit);
        }
        RunFor(kKeystrokeGapMs);
    }
    QElapsedTimer sinceLast;
    sinceLast.start();
    Typing typing;
    typing.caughtUpMs = Settle(analysis, sinceLast);
    typing.longest = heartbeat.stop();
    return typing;
}

// 200 calculations of other main stats in the user's history file.
void WriteHistory(const CalculatorSession& session, const QString& userDir) {
    QDir().mkpath(userDir);
    QFile file(QDir(userDir).filePath(QString::fromLatin1(kHistoryFileName)));
    if (!file.open(QIODevice::WriteOnly)) {
        return;
    }
    FormState scratch = session.form();
    const UtcMillis start = 1'800'000'000'000;
    for (int i = 0; i < CalculationHistory::kMostEntries; ++i) {
        scratch.setText(u"txtMainStat", IntegerText(8000 + 10 * i));
        const std::string line = IsoUtcText(start + 60'000LL * i) + ' ' +
                                 Latin1OfUtf16(ShareCodeOf(session.platform().deflate, scratch)) +
                                 "\r\n";
        file.write(line.data(), static_cast<qint64>(line.size()));
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LookLikeTheCalculator(app);
    const int keystrokes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 16;

    ScratchCalculator calculator(Edition::Full);
    CalculatorSession& session = calculator.session();
    WriteHistory(session, calculator.userDataDir());
    CalculatorWindow& window = calculator.window();
    window.show();
    AnalysisWindow& analysis = window.openAnalysis();
    auto* mainStat = qobject_cast<QLineEdit*>(window.control(QStringLiteral("txtMainStat")));
    const auto tab = [&](int index) { return analysis.tabs().widget(index); };
    auto& chart = *static_cast<ChartTab*>(tab(2));

    struct Case {
        const char* name;
        int tab;
        std::function<void()> prepare;
    };
    const Case cases[] = {
        {"stat values", 0, [] {}},
        {"comparison (B set)", 1,
         [&] { static_cast<ComparisonTab*>(tab(1))->snapshotButton().click(); }},
        {"chart, 1,000 points", 2,
         [&] {
             chart.from().setValue(0);
             chart.to().setValue(99.9);
             chart.step().setValue(0.1);
         }},
        {"chart, step 0.001", 2,
         [&] {
             chart.to().setValue(87);
             chart.step().setValue(0.001);
         }},
        {"optimiser", 3, [] {}},
        {"history, 200 entries", 4, [] {}},
    };
    std::printf("%d keystrokes per tab, %d ms apart, into txtMainStat\n", keystrokes,
                kKeystrokeGapMs);
    for (const Case& c : cases) {
        analysis.tabs().setCurrentIndex(c.tab);
        c.prepare();
        QElapsedTimer since;
        since.start();
        Settle(analysis, since);
        const Typing typing = TypeInto(*mainStat, analysis, keystrokes);
        std::printf(
            "%-22s longest event-loop wait %7.1f ms (GUI thread busy %6.1f ms), caught up "
            "%7.1f ms after the last key\n",
            c.name, typing.longest.wallMs, typing.longest.busyMs, typing.caughtUpMs);
    }

    // The optimiser over runes, gems and passives: the event loop's longest wait while it runs,
    // then the time from "취소" to the search having ended.
    analysis.tabs().setCurrentIndex(3);
    RunFor(50);
    auto* optimizer = static_cast<OptimizerTab*>(analysis.tabs().widget(3));
    optimizer->gems().setChecked(true);
    optimizer->passives().setChecked(true);
    optimizer->startButton().click();
    Heartbeat heartbeat;
    heartbeat.start();
    RunFor(700);
    const Waits longestWait = heartbeat.stop();
    QElapsedTimer cancelled;
    cancelled.start();
    optimizer->cancelButton().click();
    QEventLoop wait;
    QObject::connect(optimizer, &OptimizerTab::finished, &wait, &QEventLoop::quit);
    if (optimizer->running()) {
        wait.exec();
    }
    std::printf("%-22s longest event-loop wait %7.1f ms (GUI thread busy %6.1f ms)\n",
                "optimiser running", longestWait.wallMs, longestWait.busyMs);
    std::printf("%-22s %.1f ms from the click to the search's end\n", "cancel",
                static_cast<double>(cancelled.nsecsElapsed()) / 1e6);
    return 0;
}
