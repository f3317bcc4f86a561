// The calculator's window program. One source builds both deliverables: brakefell (full edition)
// and brakefell_lite, compiled with BRAKEFELL_EDITION_LITE.

#include <QApplication>
#include <QString>

#include "desktop_adapters/desktop_platform.h"
#include "editions/edition.h"
#include "editions/window_layout.h"
#include "session/calculator_session.h"
#include "window/calculator_window.h"
#include "window/dialog_prompts.h"
#include "window/first_paint_probe.h"
#include "window/korean_texts.h"
#include "window/window_fonts.h"

namespace {

#ifdef BRAKEFELL_EDITION_LITE
constexpr brakefell::Edition kEdition = brakefell::Edition::Lite;
constexpr char kDesktopEntry[] = "io.github.brakefell.BrakefellLite";
#else
constexpr brakefell::Edition kEdition = brakefell::Edition::Full;
constexpr char kDesktopEntry[] = "io.github.brakefell.Brakefell";
#endif

}  // namespace

int main(int argc, char* argv[]) {
    using namespace brakefell;

    QApplication app(argc, argv);
    // Both editions share the program folder's LastData.cfg, and so the per-user fallback too.
    QApplication::setApplicationName(QStringLiteral("brakefell"));
    QApplication::setDesktopFileName(QString::fromLatin1(kDesktopEntry));
    QApplication::setFont(WindowFont());
    InstallKoreanQtTexts(app);

    const WindowLayout& layout = LayoutOf(kEdition);
    DialogPrompts prompts(QString::fromUtf8(layout.caption));
    DesktopPlatform desktop;
    CalculatorSession session(kEdition, RunningProgramFolders(), desktop.platform(), prompts);

    // Start-up runs before the window appears, so its messages come first.
    session.startUp(WindowStartUp());

    CalculatorWindow window(session);
    prompts.setWindow(&window);
    FirstPaintProbe::InstallIfAsked(window);
    window.show();
    return QApplication::exec();
}
