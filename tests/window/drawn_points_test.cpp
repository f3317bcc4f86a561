// A long sweep thinned out for the chart keeps its shape: no more points than the chart is given,
// in the order of the box's values, every lone spike and dip still there, and points without a
// value left out. A short sweep is drawn whole.

#include "window/analysis/drawn_points.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace brakefell {
namespace {

struct Shape {
    const char* name;
    int points;
    int spikeAt;      // a lone point far above its neighbours; -1 for none
    int dipAt;        // a lone point far below; -1 for none
    int refusedFrom;  // points from here on have no value; -1 for none
};

class DrawnPointsTest : public ::testing::TestWithParam<Shape> {};

TEST_P(DrawnPointsTest, KeepsTheShapeOfTheLine) {
    const Shape& shape = GetParam();
    Sweep sweep;
    int valued = 0;
    for (int k = 0; k < shape.points; ++k) {
        SweepPoint point{k * 0.001, 1000.0 + (k % 7)};
        if (k == shape.spikeAt) {
            point.metric = 5000.0;
        } else if (k == shape.dipAt) {
            point.metric = 10.0;
        } else if (shape.refusedFrom >= 0 && k >= shape.refusedFrom) {
            point.metric.reset();
        }
        valued += point.metric ? 1 : 0;
        sweep.points.push_back(point);
    }
    const QList<QPointF> drawn = DrawnPoints(sweep);

    if (valued <= kMostDrawnPoints) {
        EXPECT_EQ(drawn.size(), valued);
    } else {
        EXPECT_LE(drawn.size(), kMostDrawnPoints + 2);
        EXPECT_GE(drawn.size(), kMostDrawnPoints / 2);
    }
    EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end(),
                               [](const QPointF& a, const QPointF& b) { return a.x() < b.x(); }));
    const auto has = [&](int k, double y) {
        return std::any_of(drawn.begin(), drawn.end(),
                           [&](const QPointF& p) { return p.x() == k * 0.001 && p.y() == y; });
    };
    if (shape.spikeAt >= 0) {
        EXPECT_TRUE(has(shape.spikeAt, 5000.0));
    }
    if (shape.dipAt >= 0) {
        EXPECT_TRUE(has(shape.dipAt, 10.0));
    }
    if (shape.refusedFrom >= 0) {
        EXPECT_TRUE(std::all_of(drawn.begin(), drawn.end(), [&](const QPointF& p) {
            return p.x() < shape.refusedFrom * 0.001;
        }));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, DrawnPointsTest,
    ::testing::Values(Shape{"ShortAndWhole", 1000, 500, 501, -1},
                      Shape{"LongWithASpikeAndADipSideBySide", 100000, 54321, 54322, -1},
                      Shape{"LongWithTheSpikeLast", 87001, 87000, 3, -1},
                      Shape{"LongWithARefusedEnd", 100000, 20000, 70000, 90000}),
    [](const ::testing::TestParamInfo<Shape>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace brakefell
