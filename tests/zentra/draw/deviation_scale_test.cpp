#include "zentra/draw/deviation_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_canvas.h"

namespace zentra {
namespace {

using gfx::DrawKind;
using gfx::PointF;
using testing::expectPoints;
using testing::RecordingCanvas;

PointF centreOf(const gfx::DrawRecord& r) {
    float minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (auto p : r.points) {
        minX = std::min(minX, p.x), maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y), maxY = std::max(maxY, p.y);
    }
    return {(minX + maxX) / 2, (minY + maxY) / 2};
}

class DeviationScales : public ::testing::Test {
  protected:
    DeviationScales() {
        scale.spacing = 20;
        scale.centre = {500, 500};
        scale.size = 10;
        scale.scalePen = &scalePen;
        scale.indicatorPen = &indicatorPen;
    }
    RecordingCanvas rc;
    gfx::Pen scalePen{0xFF0000FF};
    gfx::Pen indicatorPen{0xFFFF00FF};
    DeviationScale scale;
};

TEST_F(DeviationScales, MarksCentreLineAndIndicatorAtFullDeflection) {
    scale.scaleShape = SymbolShape::Circle;
    scale.indicatorShape = SymbolShape::LongDiamond;

    drawVerticalDeviationScale(rc.canvas, scale, -1.0f);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 6u);
    const float marks[] = {460, 480, 520, 540};
    for (int i = 0, m = 0; i < 5; ++i) {
        if (i == 2) {
            EXPECT_EQ(records[i].kind, DrawKind::Line);
            expectPoints(records[i].points, {{490, 500}, {510, 500}});
            continue;
        }
        EXPECT_EQ(records[i].kind, DrawKind::Ellipse);
        EXPECT_EQ(centreOf(records[i]), (PointF{500, marks[m++]}));
        EXPECT_EQ(records[i].penColor, 0xFF0000FFu);
    }
    // Upwards onto the first outer mark, tall.
    EXPECT_EQ(records[5].penColor, 0xFFFF00FFu);
    expectPoints(records[5].points, {{500, 440}, {510, 460}, {500, 480}, {490, 460}});

    drawHorizontalDeviationScale(rc.canvas, scale, -1.0f);
    records = rc.take();
    ASSERT_EQ(records.size(), 6u);
    expectPoints(records[2].points, {{500, 490}, {500, 510}});
    EXPECT_EQ(centreOf(records[0]), (PointF{460, 500}));
    // Leftwards, wide.
    expectPoints(records[5].points, {{460, 490}, {480, 500}, {460, 510}, {440, 500}});
}

TEST_F(DeviationScales, ShapesOfMarksAndIndicator) {
    const struct {
        SymbolShape shape;
        DrawKind markKind;  // Clear: no mark
    } cases[] = {
        {SymbolShape::Square, DrawKind::Rectangle}, {SymbolShape::Circle, DrawKind::Ellipse},
        {SymbolShape::Diamond, DrawKind::Polygon},  {SymbolShape::Triangle, DrawKind::Clear},
        {SymbolShape::None, DrawKind::Clear},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.shape));
        scale.scaleShape = c.shape;
        scale.indicatorShape = c.shape;
        drawVerticalDeviationScale(rc.canvas, scale, 0.5f);
        auto records = rc.take();
        if (c.markKind == DrawKind::Clear) {
            ASSERT_EQ(records.size(), 1u);  // the centre line alone
            EXPECT_EQ(records[0].kind, DrawKind::Line);
            continue;
        }
        ASSERT_EQ(records.size(), 6u);
        EXPECT_EQ(records[0].kind, c.markKind);
        EXPECT_EQ(records[5].kind, c.markKind);
        EXPECT_EQ(centreOf(records[5]), (PointF{500, 520}));
        if (c.shape == SymbolShape::Square) {
            expectPoints(records[0].points, {{493, 453}, {507, 453}, {507, 467}, {493, 467}});
            expectPoints(records[5].points, {{490, 510}, {510, 510}, {510, 530}, {490, 530}});
        }
    }
}

TEST_F(DeviationScales, DeviationThatIsNotANumberShowsNoIndicator) {
    scale.scaleShape = SymbolShape::Diamond;
    scale.indicatorShape = SymbolShape::Diamond;
    drawHorizontalDeviationScale(rc.canvas, scale, NAN);
    EXPECT_EQ(rc.take().size(), 5u);
}

}  // namespace
}  // namespace zentra
