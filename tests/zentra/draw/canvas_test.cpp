#include "zentra/draw/canvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "recording_canvas.h"
#include "zentra/draw/logical_space.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/style_table.h"

namespace zentra {
namespace {

using testing::expectPoints;
using testing::RecordingCanvas;

TEST(LogicalSpace, StretchesTheDesignSpaceOverThePixels) {
    RecordingCanvas rc(500, 250);
    gfx::Pen pen{0xFFFFFFFF};
    LogicalSpace space;
    space.pixelWidth = 500;
    space.pixelHeight = 250;
    rc.canvas.translateTransform(7, 7);  // replaced, not composed
    EXPECT_EQ(space.apply(rc.canvas), gfx::Status::Ok);
    rc.canvas.drawLine(&pen, 0, 0, 1000, 1000);
    expectPoints(rc.take().at(0).points, {{0, 0}, {500, 250}});
}

TEST(LogicalSpace, UnusableSizesCountAsTheDefault) {
    LogicalSpace space{0, -3, 500, 250};
    EXPECT_FLOAT_EQ(space.scaleX(), 0.5f);
    EXPECT_FLOAT_EQ(space.scaleY(), 0.25f);
    space = LogicalSpace{NAN, 500, 500, 250};
    EXPECT_FLOAT_EQ(space.scaleX(), 0.5f);
    EXPECT_FLOAT_EQ(space.scaleY(), 0.5f);
}

TEST(Canvas, FailuresAreKeptAndDrawingGoesOn) {
    RecordingCanvas rc;
    gfx::Pen pen{0xFFFFFFFF};
    StyleTable styles;
    styles.setStyle(0, StyleKind::Fill, 0x0000FF, 1.0f);
    styles.refreshStyles(1.0f);
    // A fill slot has no pen: outlining with it draws nothing.
    rc.canvas.drawRectangle(styles.pen(0), 0, 0, 10, 10);
    EXPECT_NE(rc.canvas.lastStatus(), gfx::Status::Ok);
    rc.canvas.fillRectangle(styles.brush(0), 0, 0, 10, 10);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].kind, gfx::DrawKind::FillRectangle);
    EXPECT_EQ(records[0].brushColor, 0xFFFF0000u);
    EXPECT_NE(rc.canvas.lastStatus(), gfx::Status::Ok);  // kept until cleared
    rc.canvas.clearStatus();
    EXPECT_EQ(rc.canvas.lastStatus(), gfx::Status::Ok);

    Canvas none;
    EXPECT_EQ(none.drawLine(&pen, 0, 0, 1, 1), gfx::Status::InvalidParameter);
    EXPECT_EQ(none.lastStatus(), gfx::Status::InvalidParameter);
    EXPECT_EQ(none.setClip(nullptr), gfx::Status::InvalidParameter);
}

TEST(Canvas, ContainerRestoresTransformClipAndQuality) {
    RecordingCanvas rc;
    gfx::Pen pen{0xFFFFFFFF};
    rc.canvas.setSmoothingMode(gfx::SmoothingMode::Default);
    {
        CanvasContainer frame(rc.canvas);
        rc.canvas.translateTransform(100, 0);
        rc.canvas.rotateTransform(90);
        const gfx::Region clip(gfx::RectF{0, 0, 50, 50});
        rc.canvas.setClip(&clip);
        rc.canvas.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
        rc.canvas.drawLine(&pen, 0, 0, 10, 0);
    }
    rc.canvas.drawLine(&pen, 0, 0, 10, 0);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 2u);
    expectPoints(records[0].points, {{100, 0}, {100, 10}});
    EXPECT_TRUE(records[0].clip.has_value());
    EXPECT_EQ(records[0].smoothing, gfx::SmoothingMode::AntiAlias);
    expectPoints(records[1].points, {{0, 0}, {10, 0}});
    EXPECT_FALSE(records[1].clip.has_value());
    EXPECT_EQ(records[1].smoothing, gfx::SmoothingMode::Default);
}

TEST(RenderingQuality, SettingsAndForcedText) {
    using H = gfx::TextRenderingHint;
    const struct {
        bool antiAliasing;
        FontQuality quality;
        bool force;
        gfx::SmoothingMode smoothing;
        H hint;
    } cases[] = {
        {true, FontQuality::Default, false, gfx::SmoothingMode::AntiAlias, H::SystemDefault},
        {true, FontQuality::SingleBit, false, gfx::SmoothingMode::AntiAlias,
         H::SingleBitPerPixelGridFit},
        {false, FontQuality::Antialiased, false, gfx::SmoothingMode::Default, H::AntiAlias},
        {true, FontQuality::ClearType, false, gfx::SmoothingMode::AntiAlias, H::ClearTypeGridFit},
        {true, FontQuality::SingleBit, true, gfx::SmoothingMode::AntiAlias, H::AntiAlias},
        {false, FontQuality::Default, true, gfx::SmoothingMode::Default, H::AntiAlias},
    };
    RecordingCanvas rc;
    for (const auto& c : cases) {
        applyRenderingQuality(rc.canvas, RenderingQuality{c.antiAliasing, c.quality}, c.force);
        EXPECT_EQ(rc.graphics->smoothingMode(), c.smoothing);
        EXPECT_EQ(rc.graphics->textRenderingHint(), c.hint);
    }
}

}  // namespace
}  // namespace zentra
