#include "zentra/draw/symbols.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"

namespace zentra {
namespace {

using gfx::DrawKind;
using gfx::PointF;
using testing::expectPoints;
using testing::RecordingCanvas;

class Symbols : public ::testing::Test {
  protected:
    // One outline or fill, its points.
    std::vector<PointF> only(DrawKind kind) {
        auto records = rc.take();
        EXPECT_EQ(records.size(), 1u);
        if (records.empty()) return {};
        EXPECT_EQ(records[0].kind, kind);
        return records[0].points;
    }

    RecordingCanvas rc;
    gfx::Pen pen{0xFFFFFFFF, 1.0f};
    gfx::SolidBrush brush{0xFF00FF00};
};

TEST_F(Symbols, TriangleTurnsAboutItsTip) {
    const float t = 8.660254f;
    const struct {
        float angle;
        std::initializer_list<PointF> points;
    } cases[] = {
        {0, {{100, 100}, {95, 100 - t}, {105, 100 - t}}},    // tip down
        {90, {{100, 100}, {100 + t, 95}, {100 + t, 105}}},   // tip left
        {180, {{100, 100}, {105, 100 + t}, {95, 100 + t}}},  // tip up
        {270, {{100, 100}, {100 - t, 105}, {100 - t, 95}}},  // tip right
        {360, {{100, 100}, {95, 100 - t}, {105, 100 - t}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        drawTriangle(rc.canvas, &pen, {100, 100}, 10, c.angle);
        expectPoints(only(DrawKind::Polygon), c.points);
        fillTriangle(rc.canvas, &brush, {100, 100}, 10, c.angle);
        expectPoints(only(DrawKind::FillPolygon), c.points);
    }
}

TEST_F(Symbols, AngleZeroLeavesPointsExact) {
    const auto points = trianglePoints({100.3f, 7.1f}, 13, 0);
    EXPECT_EQ(points[0], (PointF{100.3f, 7.1f}));
    EXPECT_EQ(points[1].x, 100.3f - 0.5f * 13);
}

TEST_F(Symbols, DiamondsAndStar) {
    drawDiamond(rc.canvas, &pen, {50, 50}, 5);
    expectPoints(only(DrawKind::Polygon), {{50, 45}, {55, 50}, {50, 55}, {45, 50}});

    const struct {
        int orientation;
        std::initializer_list<PointF> points;
    } longCases[] = {
        {0, {{50, 45}, {60, 50}, {50, 55}, {40, 50}}},
        {1, {{50, 40}, {55, 50}, {50, 60}, {45, 50}}},
        {2, {{50, 45}, {55, 50}, {50, 55}, {45, 50}}},
    };
    for (const auto& c : longCases) {
        SCOPED_TRACE(c.orientation);
        drawLongDiamond(rc.canvas, &pen, {50, 50}, 5, c.orientation);
        expectPoints(only(DrawKind::Polygon), c.points);
    }

    drawStar(rc.canvas, &pen, {50, 50}, 10);
    expectPoints(only(DrawKind::Polygon),
                 {{48, 48}, {50, 40}, {52, 48}, {60, 50}, {52, 52}, {50, 60}, {48, 52}, {40, 50}});
}

TEST_F(Symbols, CircleIsTheSquareAroundItsCentre) {
    drawCircle(rc.canvas, &pen, {30, 40}, 5);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, DrawKind::Ellipse);
    float minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
    for (auto p : records[0].points) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    EXPECT_FLOAT_EQ(minX, 25);
    EXPECT_FLOAT_EQ(maxX, 35);
    EXPECT_FLOAT_EQ(minY, 35);
    EXPECT_FLOAT_EQ(maxY, 45);
}

TEST_F(Symbols, IndexShapesLieAboveTheirAnchorAndTurnWithIt) {
    drawApShapeSmall(rc.canvas, &pen, {100, 100}, 10, 0);
    expectPoints(only(DrawKind::Polygon),
                 {{90, 100}, {110, 100}, {110, 95}, {105, 95}, {100, 100}, {95, 95}, {90, 95}});
    // At 90 the shape lies right of the anchor.
    drawApShapeSmall(rc.canvas, &pen, {100, 100}, 10, 90);
    expectPoints(only(DrawKind::Polygon),
                 {{100, 90}, {100, 110}, {105, 110}, {105, 105}, {100, 100}, {105, 95}, {105, 90}});
    drawApShapeBig(rc.canvas, &pen, {100, 100}, 10, 0);
    expectPoints(only(DrawKind::Polygon),
                 {{90, 100}, {110, 100}, {110, 90}, {103, 90}, {100, 94}, {97, 90}, {90, 90}});
    // At 270 the shape lies left of the anchor.
    drawDoubleTriangle(rc.canvas, &pen, {100, 100}, 10, 270);
    expectPoints(only(DrawKind::Polygon), {{100, 110}, {100, 90}, {90, 90}, {100, 100}, {90, 110}});
}

TEST_F(Symbols, MissingPenDrawsNothingAndLeavesAFailure) {
    drawDiamond(rc.canvas, nullptr, {50, 50}, 5);
    EXPECT_TRUE(rc.take().empty());
    EXPECT_NE(rc.canvas.lastStatus(), gfx::Status::Ok);
}

}  // namespace
}  // namespace zentra
