// Renders both editions' windows to PNG files, with the default inputs and after "계산", for a
// look at the layout: brakefell_screenshots <output folder>. Runs in a scratch program folder
// with a copy of the catalogue, so the real LastData.cfg is neither read nor written.

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <cstdio>

#include "desktop_adapters/qt_text.h"
#include "devtools/scratch_calculator.h"
#include "text/strings.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/comparison_tab.h"
#include "window/analysis/optimizer_tab.h"
#include "window/calculator_window.h"

namespace {

using namespace brakefell;

bool Save(QWidget& window, const QString& path) {
    const bool saved = window.grab().save(path);
    std::printf("%s %dx%d%s\n", qPrintable(path), window.width(), window.height(),
                saved ? "" : " (not written)");
    return saved;
}

// Both windows as they stand on the screen (its free area), the analysis window in front: how a
// player on a small screen sees them, without the window system's frames.
bool SaveScreen(QWidget& main, QWidget& analysis, const QString& path) {
    const QRect screen = main.screen()->availableGeometry();
    QImage image(screen.size() * main.devicePixelRatioF(), QImage::Format_RGB32);
    image.setDevicePixelRatio(main.devicePixelRatioF());
    image.fill(QColor(40, 60, 80));
    QPainter painter(&image);
    for (QWidget* window : {&main, &analysis}) {
        painter.drawPixmap(window->geometry().topLeft() - screen.topLeft(), window->grab());
    }
    painter.end();
    const bool saved = image.save(path);
    std::printf("%s %dx%d screen%s\n", qPrintable(path), screen.width(), screen.height(),
                saved ? "" : " (not written)");
    return saved;
}

void Settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
}

// Every tab of "빌드 분석": after "계산", with B fixed and the inputs moved on, the chart with its
// bracket lines, a finished search of the optimiser, and the history.
bool RenderAnalysis(CalculatorSession& session, CalculatorWindow& window, const QString& stem,
                    const QString& outDir) {
    AnalysisWindow& analysis = window.openAnalysis();
    Settle();
    bool placed = SaveScreen(window, analysis, QDir(outDir).filePath(stem + "-screen.png"));
    const auto save = [&](const char* name) {
        analysis.refreshNow();
        Settle();
        return Save(analysis, QDir(outDir).filePath(stem + "-analysis-" + name + ".png"));
    };
    bool ok = save("stat-values") && placed;
    analysis.tabs().setCurrentIndex(1);
    static_cast<ComparisonTab*>(analysis.tabs().currentWidget())->snapshotButton().click();
    session.form().setText(u"txtMainStat", u"9300");
    ok = save("compare") && ok;
    analysis.tabs().setCurrentIndex(2);
    ok = save("chart") && ok;
    analysis.tabs().setCurrentIndex(3);
    Settle();
    auto* tab = static_cast<OptimizerTab*>(analysis.tabs().currentWidget());
    tab->gems().setChecked(true);
    tab->startButton().click();
    QEventLoop wait;
    QObject::connect(tab, &OptimizerTab::finished, &wait, &QEventLoop::quit);
    if (tab->running()) {
        wait.exec();
    }
    ok = save("optimizer") && ok;
    // The history of the calculations above, one more with the inputs moved on.
    session.calculate();
    analysis.tabs().setCurrentIndex(4);
    ok = save("history") && ok;
    analysis.close();
    return ok;
}

bool Render(Edition edition, const QString& stem, const QString& outDir) {
    ScratchCalculator calculator(edition);
    CalculatorSession& session = calculator.session();
    CalculatorWindow& window = calculator.window();
    window.show();
    QApplication::processEvents();
    bool ok = Save(window, QDir(outDir).filePath(stem + "-default.png"));

    session.calculate();
    QApplication::processEvents();
    ok = Save(window, QDir(outDir).filePath(stem + "-calculated.png")) && ok;

    // The two controls that only their check boxes show, and both damage-over-time gems worn so
    // that the report fills the frame "추가데미지" too.
    const char16_t* const boxes[] = {u"chkVoodoo", u"chkOurGemPoison", u"chkMorePain",
                                     u"chkGemPoison"};
    for (const char16_t* box : boxes) {
        session.form().setCheck(box, 1);
    }
    session.calculate();
    QApplication::processEvents();
    ok = Save(window, QDir(outDir).filePath(stem + "-options.png")) && ok;
    for (const char16_t* box : boxes) {
        session.form().setCheck(box, 0);
    }
    return RenderAnalysis(session, window, stem, outDir) && ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    LookLikeTheCalculator(app);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    bool ok = true;
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        ok = Render(edition, QStringOf(EditionName(edition)), outDir) && ok;
    }
    return ok ? 0 : 1;
}
