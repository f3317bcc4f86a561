#include "window/analysis/window_placement.h"

#include <algorithm>

namespace brakefell {
namespace {

// A window `size` big at `left`, as high as the main window's top allows, inside the screen.
QRect AtLeft(int left, int top, QSize size, const QRect& screen) {
    const int height = std::min(size.height(), screen.height());
    const int highest = screen.bottom() - height + 1;
    return {left, std::clamp(top, screen.top(), std::max(screen.top(), highest)), size.width(),
            height};
}

}  // namespace

QRect FirstPlacement(const QRect& screen, const QRect& main, const QRect& reports, QSize wanted,
                     QSize least) {
    const int roomRight = screen.right() - main.right();
    if (roomRight >= least.width()) {
        const QSize size(std::min(wanted.width(), roomRight), wanted.height());
        return AtLeft(main.right() + 1, main.top(), size, screen);
    }
    const int roomLeft = main.left() - screen.left();
    if (roomLeft >= least.width()) {
        const int width = std::min(wanted.width(), roomLeft);
        return AtLeft(main.left() - width, main.top(), {width, wanted.height()}, screen);
    }
    // Over the reports, from their left edge: the inputs stay in sight. Only a screen narrower
    // than the reports and the least width together pushes it further left.
    const int width =
        std::max(least.width(), std::min(wanted.width(), screen.right() - reports.left() + 1));
    const int left = std::max(screen.left(), std::min(reports.left(), screen.right() - width + 1));
    const int height =
        std::max(least.height(), std::min(wanted.height(), screen.bottom() - reports.top() + 1));
    return AtLeft(left, reports.top(), {width, height}, screen);
}

}  // namespace brakefell
