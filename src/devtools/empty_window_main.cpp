// The yardstick for the calculator's start-up time: an empty window of the full edition's size
// (with --lite, of the lite edition's) that does nothing else. scripts/startup_timing.sh runs it
// side by side with the calculator.

#include <QApplication>
#include <QWidget>

#include "devtools/edition_argument.h"
#include "editions/window_layout.h"
#include "window/first_paint_probe.h"

int main(int argc, char* argv[]) {
    using namespace brakefell;

    QApplication app(argc, argv);
    const WindowLayout& layout = LayoutOf(EditionOfArguments(QApplication::arguments()));
    QWidget window;
    window.setWindowTitle(QString::fromUtf8(layout.caption));
    window.setFixedSize(layout.clientWidth / kTwipsPerPixel, layout.clientHeight / kTwipsPerPixel);
    FirstPaintProbe::InstallIfAsked(window);
    window.show();
    return QApplication::exec();
}
