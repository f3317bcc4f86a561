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

#include "session/calculator_session.h"
#include "window/calculator_window.h"
#include "window/window_fonts.h"

namespace {

using namespace brakefell;

// Prints what the program would ask or tell, and answers every dialog with "cancel".
class ConsolePrompts : public UserPrompts {
  public:
    void showMessage(const QString& sentence) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(sentence));
    }
    std::optional<QString> chooseFileToOpen(const QString&) override { return std::nullopt; }
    std::optional<QString> chooseFileToSave(const QString&) override { return std::nullopt; }
};

bool Save(QWidget& window, const QString& path) {
    const bool saved = window.grab().save(path);
    std::printf("%s %dx%d%s\n", qPrintable(path), window.width(), window.height(),
                saved ? "" : " (not written)");
    return saved;
}

bool Render(Edition edition, const QString& stem, const QString& outDir) {
    QTemporaryDir programDir;
    const QString catalogue = QStringLiteral("Gloamstalker007.txt");
    QFile::copy(QDir(QApplication::applicationDirPath()).filePath(catalogue),
                QDir(programDir.path()).filePath(catalogue));
    ConsolePrompts prompts;
    CalculatorSession session(edition, {programDir.path(), programDir.filePath("user")}, prompts);
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
    return ok;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setFont(WindowFont());
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);
    bool ok = true;
    for (const Edition edition : {Edition::Full, Edition::Lite}) {
        ok = Render(edition, EditionName(edition).toString(), outDir) && ok;
    }
    return ok ? 0 : 1;
}
