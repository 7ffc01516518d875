// A sheet of the toolkit's symbols, pointers, anchored text, a moving tape
// and rolling readouts, rendered at two sizes for looking at
// (build/artifacts/zentra_draw/), with a few pixel probes.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/png_file.h"
#include "zentra/draw/deviation_scale.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/logical_space.h"
#include "zentra/draw/moving_tape.h"
#include "zentra/draw/nav_needles.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/rolling_digits.h"
#include "zentra/draw/style_table.h"
#include "zentra/draw/symbols.h"
#include "zentra/draw/text_anchor.h"
#include "zentra/draw/text_format.h"

namespace zentra {
namespace {

using gfx::PointF;

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return b << 16 | g << 8 | r; }

enum Slot { kWhite, kBackground, kGreen, kCyan, kMagenta, kAmber, kGrey, kHatch, kDash, kCount };
enum FontSlot { kLabel, kSmall, kTape, kDigits, kDrum, kFontCount };

struct Sheet {
    Sheet() {
        styles.reset(kCount);
        styles.setStyle(kWhite, StyleKind::PenAndFill, rgb(255, 255, 255), 2.0f);
        styles.setStyle(kBackground, StyleKind::Fill, rgb(16, 24, 32), 1.0f);
        styles.setStyle(kGreen, StyleKind::PenAndFill, rgb(0, 255, 0), 3.0f);
        styles.setStyle(kCyan, StyleKind::PenAndFill, rgb(0, 255, 255), 3.0f);
        styles.setStyle(kMagenta, StyleKind::PenAndFill, rgb(255, 0, 255), 3.0f);
        styles.setStyle(kAmber, StyleKind::PenAndFill, rgb(255, 150, 0), 2.0f);
        styles.setStyle(kGrey, StyleKind::PenAndFill, rgb(60, 60, 70), 2.0f);
        styles.setStyle(kHatch, StyleKind::PenAndDiagonalHatch, rgb(255, 150, 0), 2.0f);
        styles.setStyle(kDash, StyleKind::LongDashPen, rgb(255, 255, 255), 2.0f);
        styles.refreshStyles(1.0f);
        fonts.reset(kFontCount);
        fonts.setFont(kLabel, 28, 0, L"DejaVu Sans");
        fonts.setFont(kSmall, 18, 0, L"DejaVu Sans");
        fonts.setFont(kTape, 26, 1, L"DejaVu Sans Mono");
        fonts.setFont(kDigits, 44, 1, L"DejaVu Sans Mono");
        fonts.setFont(kDrum, 34, 1, L"DejaVu Sans Mono");
        fonts.rebuildFonts();
    }

    void caption(Canvas& canvas, const wchar_t* text, PointF at) {
        gfx::StringFormat format;
        drawAnchoredText(canvas, text, fonts.font(kSmall), at, TextAnchor::TOP_CENTER, format,
                         styles.brush(kWhite));
    }

    void drawSymbols(Canvas& canvas) {
        gfx::Pen* pen = styles.pen(kGreen);
        const float y = 80;
        const float angles[] = {0, 90, 180, 270};
        for (int i = 0; i < 4; ++i) {
            drawTriangle(canvas, pen, {60.0f + i * 70, y}, 40, angles[i]);
        }
        caption(canvas, L"triangle 0/90/180/270", {165, y + 45});
        fillTriangle(canvas, styles.brush(kMagenta), {340, y + 20}, 40, 180);
        drawDiamond(canvas, pen, {410, y}, 25);
        drawLongDiamond(canvas, pen, {490, y}, 20, 0);
        drawLongDiamond(canvas, pen, {570, y}, 20, 1);
        drawStar(canvas, pen, {640, y}, 30);
        drawCircle(canvas, pen, {710, y}, 25);
        caption(canvas, L"fill, diamonds, star, circle", {525, y + 45});
        drawApShapeSmall(canvas, styles.pen(kCyan), {780, y + 20}, 25, 0);
        drawApShapeBig(canvas, styles.pen(kCyan), {850, y + 20}, 25, 0);
        drawDoubleTriangle(canvas, styles.pen(kCyan), {930, y + 20}, 25, 0);
        drawApShapeBig(canvas, styles.pen(kMagenta), {850, y + 20}, 25, 90);
        caption(canvas, L"AP small, big, double", {855, y + 45});
    }

    void drawPointers(Canvas& canvas) {
        const struct {
            ArrowShape shape;
            bool closed;
            const wchar_t* name;
        } shapes[] = {{ArrowShape::Thin, false, L"THIN"},    {ArrowShape::Thin, true, L"THIN c"},
                      {ArrowShape::Double, true, L"DOUBLE"}, {ArrowShape::Thick, true, L"THICK"},
                      {ArrowShape::End, true, L"END"},       {ArrowShape::Standard, false, L"STD"}};
        for (int i = 0; i < 6; ++i) {
            const float x = 50.0f + i * 80;
            {
                CanvasContainer frame(canvas);
                canvas.translateTransform(x, 270);
                drawBearingPointer(canvas, styles.pen(kCyan), true, 70, 20, i % 2 == 1,
                                   shapes[i].shape, 24, 6);
            }
            caption(canvas, shapes[i].name, {x, 350});
        }

        gfx::Pen* course = styles.pen(kMagenta);
        NavNeedleSet set;
        set.antiAlias = true;
        set.radius = 90;
        set.courseVisible = true;
        set.courseShape = ArrowShape::Thin;
        set.courseHeadSize = 24;
        set.courseClosed = true;
        set.courseAngle = 30;
        set.deviation = 0.5f;
        set.deviationBarVisible = true;
        set.toFrom = 1;
        set.toFromSize = 22;
        set.toFromLocation = 0.35f;
        set.dotRadius = 6;
        set.dotPen = styles.pen(kWhite);
        set.coursePen = course;
        set.deviationPen = course;
        set.toFromBrush = styles.brush(kWhite);
        set.vor1Visible = true;
        set.vor1Shape = ArrowShape::Double;
        set.vor1Angle = 300;
        set.vor1HeadSize = 20;
        set.vor1Spacing = 5;
        set.vor1Pen = styles.pen(kGreen);
        for (int i = 0; i < 2; ++i) {
            CanvasContainer frame(canvas);
            canvas.translateTransform(600.0f + i * 230, 260);
            canvas.drawEllipse(styles.pen(kGrey), -100, -100, 200, 200);
            set.toFrom = i == 0 ? 1.0f : -1.0f;
            drawNavNeedles(canvas, set);
        }
        caption(canvas, L"TO", {600, 365});
        caption(canvas, L"FROM", {830, 365});
    }

    void drawAnchors(Canvas& canvas) {
        const int32_t anchors[] = {
            TextAnchor::TOP_LEFT,    TextAnchor::TOP_CENTER,    TextAnchor::TOP_RIGHT,
            TextAnchor::CENTER_LEFT, TextAnchor::CENTER_CENTER, TextAnchor::CENTER_RIGHT,
            TextAnchor::BASE_LEFT,   TextAnchor::BASE_CENTER,   TextAnchor::BASE_RIGHT,
            TextAnchor::BOTTOM_LEFT, TextAnchor::BOTTOM_CENTER, TextAnchor::BOTTOM_RIGHT};
        gfx::StringFormat format;
        for (int i = 0; i < 12; ++i) {
            const PointF at{110.0f + (i % 3) * 150, 440.0f + (i / 3) * 65};
            canvas.drawLine(styles.pen(kAmber), at.x - 60, at.y, at.x + 60, at.y);
            canvas.drawLine(styles.pen(kAmber), at.x, at.y - 25, at.x, at.y + 25);
            drawAnchoredText(canvas, L"Ag12", fonts.font(kLabel), at, anchors[i], format,
                             styles.brush(kWhite));
        }
    }

    void drawSpeedTape(Canvas& canvas, double speed) {
        TapeGeometry tape;
        tape.box = {560, 420, 110, 420};
        tape.visibleRange = 100;
        tape.step = 5;
        tape.alignment = TextAnchor::RIGHT;
        tape.minimum = 30;
        tape.margin = 2;
        const TapeScale scale = layoutTape(tape);
        canvas.fillRectangle(styles.brush(kGrey), tape.box.x, tape.box.y, tape.box.width,
                             tape.box.height);
        const gfx::Region clip(gfx::RectF{0, tape.box.y, 1000, tape.box.height});
        {
            MovingTapeFrame frame(canvas, &clip, tape, scale, speed);
            const TickWindow window = tickWindow(speed, tape.visibleRange, tape.step, 2);
            gfx::StringFormat labelFormat;
            labelFormat.setAlignment(gfx::StringAlignment::Far);
            labelFormat.setLineAlignment(gfx::StringAlignment::Center);
            const float dir = tickDirection(tape.alignment);
            for (int i = 0; i < window.count; ++i) {
                const int64_t v = window.value(i);
                if (v < tape.minimum) continue;
                const float length = dir * (v % 10 == 0 ? 20.0f : 10.0f);
                canvas.drawLine(styles.pen(kWhite), 0, frame.y(v), length, frame.y(v));
                if (v % 20 == 0) {
                    const std::wstring label = std::to_wstring(v);
                    canvas.drawString(label.c_str(), -1, fonts.font(kTape),
                                      PointF{2 * length, frame.y(v)}, &labelFormat,
                                      styles.brush(kWhite));
                }
            }
            drawTriangle(canvas, styles.pen(kMagenta), {0, frame.y(140)}, 18, 90);
        }

        // Speed window: pointer on the right, one drum digit.
        const gfx::RectF box{575, 605, 85, 50};
        drawReadout(canvas, box, speed, int64_t(speed), 1, 1, 70, true);
    }

    void drawReadout(Canvas& canvas, const gfx::RectF& box, double value, int64_t n, int digits,
                     int step, float drumHeight, bool pointerRight) {
        gfx::StringFormat format;
        const ReadoutAnchor anchor = rollingReadoutAnchor(box, TextAnchor::RIGHT);
        format.setAlignment(anchor.alignment);
        format.setLineAlignment(gfx::StringAlignment::Center);
        const RollingMetrics metrics =
            measureRollingMetrics(canvas, fonts.font(kDrum), digits, anchor.point, &format);
        const auto outline =
            rollingWindowOutline(box, 12, drumHeight, metrics.drumWidth, pointerRight);
        canvas.fillPolygon(styles.brush(kBackground), outline.data(), int(outline.size()));
        canvas.drawPolygon(styles.pen(kWhite), outline.data(), int(outline.size()));
        const gfx::Region clip = outlineRegion(outline.data(), int(outline.size()));
        canvas.setClip(&clip);
        {
            CanvasContainer quality(canvas);
            forceAntiAliasedText(canvas);
            drawRollingDigits(canvas, styles.brush(kGreen), fonts.font(kDigits), fonts.font(kDrum),
                              value, n, powerOfTen(digits), step, digits, anchor.point, metrics,
                              TextAnchor::RIGHT);
        }
        canvas.resetClip();
    }

    void drawScales(Canvas& canvas, float deviation) {
        DeviationScale scale;
        scale.spacing = 30;
        scale.scaleShape = SymbolShape::Circle;
        scale.indicatorShape = SymbolShape::LongDiamond;
        scale.scalePen = styles.pen(kWhite);
        scale.indicatorPen = styles.pen(kMagenta);
        scale.size = 10;
        scale.centre = {940, 620};
        drawVerticalDeviationScale(canvas, scale, deviation);
        scale.centre = {820, 900};
        scale.scaleShape = SymbolShape::Diamond;
        drawHorizontalDeviationScale(canvas, scale, -deviation);
    }

    void draw(Canvas& canvas) {
        canvas.clear(styles.style(kBackground).colorInUse);
        applyRenderingQuality(canvas, RenderingQuality{}, false);
        drawSymbols(canvas);
        drawPointers(canvas);
        drawAnchors(canvas);
        drawSpeedTape(canvas, 129.5);
        // Altitude window: pointer on the left, two drum digits in steps of 20.
        drawReadout(canvas, gfx::RectF{720, 520, 150, 60}, 12337, 12320, 2, 20, 80, false);
        drawScales(canvas, 0.6f);
        canvas.fillRectangle(styles.brush(kHatch), 40, 720, 200, 100);
        canvas.drawRectangle(styles.pen(kHatch), 40, 720, 200, 100);
        canvas.drawLine(styles.pen(kDash), 280, 770, 520, 770);
        gfx::StringFormat format;
        drawAnchoredText(canvas, toDisplayText(), fonts.font(kLabel), {40, 900},
                         TextAnchor::BASE_LEFT, format, styles.brush(kAmber));
    }

    static std::wstring toDisplayText() { return L"GS 245 KT  12\u00B0  ETA 01:05"; }

    StyleTable styles;
    FontTable fonts;
};

gfx::Argb pixelAt(const gfx::Bitmap& bitmap, float logicalX, float logicalY) {
    gfx::Argb color = 0;
    const float scale = float(bitmap.width()) / 1000.0f;
    bitmap.getPixel(int(logicalX * scale), int(logicalY * scale), &color);
    return color;
}

class TestSheet : public ::testing::TestWithParam<int> {};

TEST_P(TestSheet, RendersAndProbes) {
    const int size = GetParam();
    gfx::Bitmap bitmap(size, size, host::PixelFormat::Argb32);
    std::unique_ptr<gfx::Graphics> graphics;
    ASSERT_EQ(gfx::Graphics::create(&bitmap, &graphics), gfx::Status::Ok);
    Canvas canvas(graphics.get());
    LogicalSpace space{1000, 1000, size, size};
    space.apply(canvas);

    Sheet sheet;
    sheet.draw(canvas);
    EXPECT_EQ(canvas.lastStatus(), gfx::Status::Ok) << gfx::statusName(canvas.lastStatus());

    const auto dir = std::filesystem::path(TEST_BINARY_DIR) / "artifacts" / "zentra_draw";
    std::filesystem::create_directories(dir);
    const auto file = dir / ("draw_sheet_" + std::to_string(size) + ".png");
    EXPECT_EQ(gfx::savePng(bitmap, file.string()), gfx::Status::Ok);

    // Background far from everything, the filled triangle, the tape's grey
    // box away from its ticks, and the readout window's own background.
    EXPECT_EQ(pixelAt(bitmap, 990, 990), 0xFF101820u);
    EXPECT_EQ(pixelAt(bitmap, 340, 120), 0xFFFF00FFu);
    EXPECT_EQ(pixelAt(bitmap, 580, 480), 0xFF3C3C46u);
    EXPECT_EQ(pixelAt(bitmap, 728, 528), 0xFF101820u);
}

INSTANTIATE_TEST_SUITE_P(Sizes, TestSheet, ::testing::Values(300, 1000, 1200));

}  // namespace
}  // namespace zentra
