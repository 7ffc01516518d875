#include "zentra/draw/nav_needles.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"

namespace zentra {
namespace {

using gfx::DrawKind;
using gfx::DrawRecord;
using gfx::PointF;
using testing::expectPoints;
using testing::RecordingCanvas;

struct Expected {
    DrawKind kind;
    std::initializer_list<PointF> points;
};

void expectRecords(const std::vector<DrawRecord>& records, std::initializer_list<Expected> list) {
    ASSERT_EQ(records.size(), list.size());
    size_t i = 0;
    for (const Expected& e : list) {
        SCOPED_TRACE(i);
        EXPECT_EQ(records[i].kind, e.kind);
        if (e.kind != DrawKind::Ellipse) expectPoints(records[i].points, e.points);
        ++i;
    }
}

class BearingPointer : public ::testing::Test {
  protected:
    std::vector<DrawRecord> draw(ArrowShape shape, bool closed, float angle = 0) {
        drawBearingPointer(rc.canvas, &pen, false, 100, angle, closed, shape, 20, 5);
        return rc.take();
    }
    RecordingCanvas rc;
    gfx::Pen pen{0xFFFFFFFF, 2.0f};
};

TEST_F(BearingPointer, ShapesAtAngleZero) {
    const Expected closedHead{DrawKind::Polygon, {{0, -100}, {-10, -80}, {10, -80}}};
    expectRecords(draw(ArrowShape::Thin, true),
                  {{DrawKind::Line, {{0, -80}, {0, 100}}}, closedHead});
    expectRecords(draw(ArrowShape::Thin, false), {{DrawKind::Line, {{0, -100}, {0, 100}}},
                                                  {DrawKind::Line, {{-10, -80}, {0, -100}}},
                                                  {DrawKind::Line, {{10, -80}, {0, -100}}}});
    expectRecords(draw(ArrowShape::Double, true), {{DrawKind::Line, {{-5, -80}, {-5, 100}}},
                                                   {DrawKind::Line, {{5, -80}, {5, 100}}},
                                                   closedHead});
    expectRecords(draw(ArrowShape::End, true), {closedHead});
    expectRecords(draw(ArrowShape::None, true), {});
}

TEST_F(BearingPointer, ThickIsOneOutlineWithoutSeparateHead) {
    const Expected outline{DrawKind::Polygon,
                           {{0, -100},
                            {10, -80},
                            {5, -86},
                            {5, 65},
                            {0, 70},
                            {0, 100},
                            {0, 70},
                            {-5, 65},
                            {-5, -86},
                            {-10, -80}}};
    expectRecords(draw(ArrowShape::Thick, true), {outline});
    expectRecords(draw(ArrowShape::Thick, false), {outline});
}

TEST_F(BearingPointer, StandardUsesAnArrowCapOnceThenFlat) {
    auto records = draw(ArrowShape::Standard, true);
    expectRecords(records, {{DrawKind::Line, {{0, 100}, {0, -100}}}});
    EXPECT_EQ(records[0].endCap, gfx::LineCap::ArrowAnchor);
    EXPECT_EQ(pen.endCap(), gfx::LineCap::Flat);
    rc.canvas.drawLine(&pen, 0, 0, 1, 1);
    EXPECT_EQ(rc.take().at(0).endCap, gfx::LineCap::Flat);
}

TEST_F(BearingPointer, TurnsClockwiseAndLeavesTheFrameAsItWas) {
    expectRecords(draw(ArrowShape::End, true, 90),
                  {{DrawKind::Polygon, {{100, 0}, {80, -10}, {80, 10}}}});
    rc.canvas.drawLine(&pen, 1, 2, 3, 4);
    expectPoints(rc.take().at(0).points, {{1, 2}, {3, 4}});
}

TEST_F(BearingPointer, AntiAliasFlagHoldsOnlyInsideThePointer) {
    rc.canvas.setSmoothingMode(gfx::SmoothingMode::Default);
    drawBearingPointer(rc.canvas, &pen, true, 100, 0, true, ArrowShape::End, 20, 5);
    EXPECT_EQ(rc.take().at(0).smoothing, gfx::SmoothingMode::AntiAlias);
    EXPECT_EQ(rc.graphics->smoothingMode(), gfx::SmoothingMode::Default);
}

class CoursePointer : public ::testing::Test {
  protected:
    CoursePointer() {
        set.radius = 100;
        set.courseVisible = true;
        set.courseShape = ArrowShape::Thin;
        set.courseHeadSize = 20;
        set.courseClosed = true;
        set.dotRadius = 3;
        set.deviation = 0.5f;
        set.deviationBarVisible = true;
        set.toFromSize = 10;
        set.toFromLocation = 0.5f;
        set.dotPen = &dotPen;
        set.coursePen = &coursePen;
        set.deviationPen = &deviationPen;
        set.toFromBrush = &toFromBrush;
    }
    RecordingCanvas rc;
    gfx::Pen dotPen{0xFF0000FF};
    gfx::Pen coursePen{0xFF00FF00};
    gfx::Pen deviationPen{0xFFFF00FF};
    gfx::SolidBrush toFromBrush{0xFFFFFF00};
    NavNeedleSet set;
};

TEST_F(CoursePointer, ToFromTriangleFollowsTheSign) {
    const float t = 8.66f;
    const Expected dot{DrawKind::Ellipse, {}};
    const Expected shaft{DrawKind::Line, {{0, -80}, {0, -50}}};
    const Expected tail{DrawKind::Line, {{0, 100}, {0, 50}}};
    const Expected bar{DrawKind::Line, {{25, 50}, {25, -50}}};
    const Expected head{DrawKind::Polygon, {{0, -100}, {-10, -80}, {10, -80}}};

    set.toFrom = 1;
    expectRecords(rc.take(), {});
    drawNavNeedles(rc.canvas, set);
    expectRecords(rc.take(), {dot,
                              dot,
                              dot,
                              dot,
                              shaft,
                              tail,
                              bar,
                              {DrawKind::FillPolygon, {{0, -50}, {-5, -50 + t}, {5, -50 + t}}},
                              head});

    set.toFrom = -1;  // apex towards the tail
    drawNavNeedles(rc.canvas, set);
    expectRecords(rc.take(), {dot,
                              dot,
                              dot,
                              dot,
                              shaft,
                              tail,
                              bar,
                              {DrawKind::FillPolygon, {{0, 50}, {5, 50 - t}, {-5, 50 - t}}},
                              head});

    set.toFrom = 0;
    drawNavNeedles(rc.canvas, set);
    expectRecords(rc.take(), {dot, dot, dot, dot, shaft, tail, bar, head});

    set.toFrom = 1;
    set.toFromTransparent = true;  // outlined with the course pen instead
    drawNavNeedles(rc.canvas, set);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 9u);
    EXPECT_EQ(records[7].kind, DrawKind::Polygon);
    EXPECT_EQ(records[7].penColor, 0xFF00FF00u);
}

TEST_F(CoursePointer, DotsSitOnTheAxisAtHalfAndQuarterRadius) {
    drawDeviationDots(rc.canvas, set);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 4u);
    const float centres[] = {-50, 50, -25, 25};
    for (int i = 0; i < 4; ++i) {
        float minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
        for (auto p : records[i].points) {
            minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
            minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
        }
        EXPECT_FLOAT_EQ((minX + maxX) / 2, centres[i]);
        EXPECT_FLOAT_EQ(maxX - minX, 6);
        EXPECT_FLOAT_EQ((minY + maxY) / 2, 0);
        EXPECT_EQ(records[i].penColor, 0xFF0000FFu);
    }
}

TEST_F(CoursePointer, EndShapeShowsOnlyTheHeadAndHiddenPointersNothing) {
    set.courseShape = ArrowShape::End;
    set.toFrom = 1;
    drawNavNeedles(rc.canvas, set);
    expectRecords(rc.take(), {{DrawKind::Polygon, {{0, -100}, {-10, -80}, {10, -80}}}});

    set.courseClosed = false;
    drawNavNeedles(rc.canvas, set);
    expectRecords(rc.take(), {{DrawKind::Line, {{-10, -80}, {0, -100}}},
                              {DrawKind::Line, {{10, -80}, {0, -100}}}});

    set.courseVisible = false;
    drawNavNeedles(rc.canvas, set);
    EXPECT_TRUE(rc.take().empty());
}

TEST(NavNeedles, BearingPointersComeFirstEachInItsOwnFrame) {
    RecordingCanvas rc;
    gfx::Pen vor1{0xFF000001}, vor2{0xFF000002}, adf{0xFF000003};
    NavNeedleSet set;
    set.radius = 50;
    set.vor1Visible = set.vor2Visible = set.adfVisible = true;
    set.vor1Shape = ArrowShape::End;
    set.vor2Shape = ArrowShape::None;  // visible but no shape: nothing
    set.adfShape = ArrowShape::End;
    set.vor1HeadSize = set.adfHeadSize = 10;
    set.vor1Closed = set.adfClosed = true;
    set.vor1Angle = 90;
    set.adfAngle = 180;
    set.vor1Pen = &vor1;
    set.vor2Pen = &vor2;
    set.adfPen = &adf;
    drawNavNeedles(rc.canvas, set);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].penColor, 0xFF000001u);
    expectPoints(records[0].points, {{50, 0}, {40, -5}, {40, 5}});
    EXPECT_EQ(records[1].penColor, 0xFF000003u);
    expectPoints(records[1].points, {{0, 50}, {5, 40}, {-5, 40}});
}

}  // namespace
}  // namespace zentra
