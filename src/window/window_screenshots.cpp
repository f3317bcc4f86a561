// Renders both editions' windows to PNG files, with the default inputs and after "계산", for a
// look at the layout: brakefell_screenshots <output folder>. Runs in a scratch program folder
// with a copy of the catalogue, so the real LastData.cfg is neither read nor written.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

#include <QEventLoop>
#include <QLineEdit>

#include "qt_adapters/desktop_platform.h"
#include "qt_adapters/qt_text.h"
#include "session/calculator_session.h"
#include "text/strings.h"
#include "window/analysis/analysis_window.h"
#include "window/analysis/optimizer_tab.h"
#include "window/calculator_window.h"
#include "window/korean_texts.h"
#include "window/window_fonts.h"

namespace {

using namespace brakefell;

// Prints what the program would ask or tell, and answers every dialog with "cancel".
class ConsolePrompts : public UserPrompts {
  public:
    void showMessage(std::u16string_view sentence) override {
        std::fprintf(stderr, "message: %s\n", Utf8OfUtf16(sentence).c_str());
    }
    std::optional<std::string> chooseFileToOpen(const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> chooseFileToSave(const std::string&) override {
        return std::nullopt;
    }
};

bool Save(QWidget& window, const QString& path) {
    const bool saved = window.grab().save(path);
    std::printf("%s %dx%d%s\n", qPrintable(path), window.width(), window.height(),
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
bool RenderAnalysis(CalculatorWindow& window, const QString& stem, const QString& outDir) {
    AnalysisWindow& analysis = window.openAnalysis();
    Settle();
    const auto save = [&](const char* name) {
        Settle();
        return Save(analysis, QDir(outDir).filePath(stem + "-analysis-" + name + ".png"));
    };
    bool ok = save("stat-values");
    analysis.tabs().setCurrentIndex(1);
    analysis.findChild<QPushButton*>(QStringLiteral("snapshotB"))->click();
    auto* mainStat = window.findChild<QLineEdit*>(QStringLiteral("txtMainStat"));
    mainStat->setText(QStringLiteral("9300"));
    emit mainStat->textEdited(mainStat->text());
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
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculation"))->click();
    analysis.tabs().setCurrentIndex(4);
    ok = save("history") && ok;
    analysis.close();
    return ok;
}

bool Render(Edition edition, const QString& stem, const QString& outDir) {
    QTemporaryDir programDir;
    const QString catalogue = QStringLiteral("Gloamstalker007.txt");
    QFile::copy(QDir(QApplication::applicationDirPath()).filePath(catalogue),
                QDir(programDir.path()).filePath(catalogue));
    ConsolePrompts prompts;
    DesktopPlatform desktop;
    CalculatorSession session(edition,
                              {PathOf(programDir.path()), PathOf(programDir.filePath("user"))},
                              desktop.platform(), prompts);
    session.startUp();

    CalculatorWindow window(session);
    window.show();
    QApplication::processEvents();
    bool ok = Save(window, QDir(outDir).filePath(stem + "-default.png"));

    window.findChild<QPushButton*>(QStringLiteral("cmdCalculation"))->click();
    QApplication::processEvents();
    ok = Save(window, QDir(outDir).filePath(stem + "-calculated.png")) && ok;

    // The two controls that only their check boxes show, and both damage-over-time gems worn so
    // that the report fills the frame "추가데미지" too.
    for (const char* box : {"chkVoodoo", "chkOurGemPoison", "chkMorePain", "chkGemPoison"}) {
        window.findChild<QCheckBox*>(QString::fromLatin1(box))->click();
    }
    window.findChild<QPushButton*>(QStringLiteral("cmdCalculation"))->click();
    QApplication::processEvents();
    ok = Save(window, QDir(outDir).filePath(stem + "-options.png")) && ok;
    for (const char* box : {"chkVoodoo", "chkOurGemPoison", "chkMorePain", "chkGemPoison"}) {
        window.findChild<QCheckBox*>(QString::fromLatin1(box))->click();
    }
    return RenderAnalysis(window, stem, outDir) && ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(WindowFont());
    InstallKoreanQtTexts(app);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    bool ok = true;
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        ok = Render(edition, QStringOf(EditionName(edition)), outDir) && ok;
    }
    return ok ? 0 : 1;
}
