#pragma once
// Where "빌드 분석" first opens: beside the main window where the screen has room for it, else
// over the main window's report boxes, never over the boxes the player types in. After that the
// window opens where the player last left it.

#include <QRect>
#include <QSize>

namespace brakefell {

// All in screen coordinates: `screen` the free area of the main window's screen, `main` the main
// window's frame, `reports` the area of its report boxes; `wanted` and `least` the analysis
// window's preferred and least sizes (frame included).
QRect FirstPlacement(const QRect& screen, const QRect& main, const QRect& reports, QSize wanted,
                     QSize least);

}  // namespace brakefell
