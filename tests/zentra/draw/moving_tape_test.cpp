#include "zentra/draw/moving_tape.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/gfx/region.h"
#include "recording_canvas.h"
#include "zentra/draw/text_anchor.h"

namespace zentra {
namespace {

using testing::expectPoints;
using testing::RecordingCanvas;

TEST(TickWindow, VisitsAroundTheTruncatedValue) {
    const struct {
        double value;
        float range;
        int step;
        int margin;
        int64_t first;
        int64_t last;
    } cases[] = {
        {55, 200, 5, 2, -55, 165},       // speed tape, below-minimum values skipped by caller
        {250, 200, 5, 2, 140, 360},      // speed defaults
        {250.9, 200, 20, 2, 100, 380},   // c = 240, H = (5 + 2) * 20
        {2030, 500, 50, 1, 1700, 2300},  // altitude defaults
        {-130, 500, 50, 1, -400, 200},   // truncation towards zero
        {0, 0, 10, 1, -10, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        const TickWindow w = tickWindow(c.value, c.range, c.step, c.margin);
        EXPECT_EQ(w.first(), c.first);
        EXPECT_EQ(w.last(), c.last);
        ASSERT_GT(w.count, 0);
        EXPECT_EQ(w.value(w.count - 1), c.last);
        EXPECT_EQ(w.count, (c.last - c.first) / c.step + 1);
    }
}

TEST(TickWindow, UnusableInputGivesNoTicks) {
    EXPECT_EQ(tickWindow(100, 200, 0, 2).count, 0);
    EXPECT_EQ(tickWindow(100, 200, -5, 2).count, 0);
    EXPECT_EQ(tickWindow(NAN, 200, 5, 2).count, 0);
    EXPECT_EQ(tickWindow(INFINITY, 200, 5, 2).count, 0);
    EXPECT_EQ(tickWindow(1e30, 200, 5, 2).count, 0);
    EXPECT_EQ(tickWindow(100, -500, 5, 0).count, 0);
    const TickWindow huge = tickWindow(100, 1e9f, 1, 2);
    EXPECT_EQ(huge.count, TickWindow::kMaxTicks);
    EXPECT_EQ(huge.first(), 100 - (TickWindow::kMaxTicks - 1) / 2);
}

TEST(TapeLayout, CentreLineScaleAndEdge) {
    TapeGeometry tape;
    tape.box = {100, 200, 80, 400};
    tape.visibleRange = 200;
    tape.alignment = TextAnchor::RIGHT;
    const TapeScale scale = layoutTape(tape);
    EXPECT_FLOAT_EQ(scale.centreY, 400);
    EXPECT_FLOAT_EQ(scale.k, -2);
    EXPECT_FLOAT_EQ(tapeEdgeX(tape), 180);
    EXPECT_FLOAT_EQ(tickDirection(tape.alignment), -1);
    tape.alignment = TextAnchor::LEFT;
    EXPECT_FLOAT_EQ(tapeEdgeX(tape), 100);
    EXPECT_FLOAT_EQ(tickDirection(tape.alignment), 1);
    tape.alignment = TextAnchor::CENTER_LEFT;  // the LEFT bit is what counts
    EXPECT_FLOAT_EQ(tapeEdgeX(tape), 100);
    tape.visibleRange = 0;
    EXPECT_FLOAT_EQ(layoutTape(tape).k, 0);
}

TEST(MovingTapeFrame, ValuesLieOnTheirTicksAndTheFrameIsUndone) {
    RecordingCanvas rc;
    gfx::Pen pen{0xFFFFFFFF};
    TapeGeometry tape;
    tape.box = {100, 200, 80, 400};
    tape.visibleRange = 200;
    tape.step = 5;
    tape.alignment = TextAnchor::RIGHT;
    const TapeScale scale = layoutTape(tape);
    const gfx::Region clip(gfx::RectF{0, 200, 1000, 400});
    rc.canvas.setTextRenderingHint(gfx::TextRenderingHint::SingleBitPerPixelGridFit);
    {
        MovingTapeFrame frame(rc.canvas, &clip, tape, scale, 250.0);
        EXPECT_EQ(rc.graphics->textRenderingHint(), gfx::TextRenderingHint::AntiAlias);
        // The current value on the centre line, 10 knots more 20 units higher.
        rc.canvas.drawLine(&pen, 0, frame.y(250), -10, frame.y(250));
        rc.canvas.drawLine(&pen, 0, frame.y(260), -10, frame.y(260));
    }
    rc.canvas.drawLine(&pen, 1, 2, 3, 4);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 3u);
    expectPoints(records[0].points, {{180, 400}, {170, 400}});
    expectPoints(records[1].points, {{180, 380}, {170, 380}});
    ASSERT_TRUE(records[0].clip.has_value());
    EXPECT_EQ(*records[0].clip, (gfx::RectF{0, 200, 1000, 400}));
    expectPoints(records[2].points, {{1, 2}, {3, 4}});
    EXPECT_FALSE(records[2].clip.has_value());
    EXPECT_EQ(rc.graphics->textRenderingHint(), gfx::TextRenderingHint::SingleBitPerPixelGridFit);
}

}  // namespace
}  // namespace zentra
