// Where "빌드 분석" first opens, on the screens players have: beside the main window when there is
// room, else over the reports and never over the inputs, and always on the screen.
#include "window/analysis/window_placement.h"

#include <gtest/gtest.h>

namespace brakefell {
namespace {

TEST(WindowPlacement, BesideTheMainWindowElseOverTheReports) {
    const QSize wanted(900, 700);
    const QSize least(640, 480);
    const struct {
        const char* screenName;
        QRect screen;
        QRect main;
        QRect reports;
        QRect placed;
    } cases[] = {
        // The lite window on the left of a wide screen: to its right, as wide as it wants.
        {"1600x1200, room right",
         {0, 0, 1600, 1170},
         {0, 0, 690, 640},
         {240, 30, 440, 600},
         {690, 0, 900, 700}},
        // Room on the right for the least width only: narrower, still beside it.
        {"1440x900, some room right",
         {0, 0, 1440, 870},
         {100, 100, 690, 640},
         {340, 130, 440, 600},
         {790, 100, 650, 700}},
        // The main window on the right of the screen: to its left, pushed up to stay on screen.
        {"1600x1200, room left",
         {0, 0, 1600, 1170},
         {900, 600, 690, 640},
         {1140, 630, 440, 600},
         {0, 470, 900, 700}},
        // The full edition on 1024x768 fills the screen: over the reports, from their left edge.
        {"1024x768, full",
         {0, 0, 1024, 738},
         {0, 0, 1024, 738},
         {312, 8, 700, 700},
         {312, 8, 712, 700}},
        // The lite edition on 1024x768: its reports are too narrow for the least width, so the
        // window reaches the screen's edge and starts no further left than it must.
        {"1024x768, lite",
         {0, 0, 1024, 738},
         {200, 40, 690, 640},
         {440, 70, 440, 600},
         {384, 70, 640, 668}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.screenName);
        const QRect placed = FirstPlacement(c.screen, c.main, c.reports, wanted, least);
        EXPECT_EQ(placed, c.placed);
        EXPECT_TRUE(c.screen.contains(placed));
        EXPECT_GE(placed.width(), least.width());
    }
}

}  // namespace
}  // namespace brakefell
