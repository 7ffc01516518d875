#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

using testing::Canvas;
using testing::kBlack;
using testing::kBlue;
using testing::kRed;
using testing::kWhite;

// A dash pattern is in pen widths: doubling the width doubles every dash.
TEST(RasterTest, DashPatternScalesWithPenWidth) {
    const float pattern[2] = {4, 4};
    for (float width : {1.0f, 2.0f, 4.0f}) {
        SCOPED_TRACE(width);
        Canvas c(200, 20);
        Pen pen(kBlack, width);
        ASSERT_EQ(pen.setDashPattern(pattern, 2), Status::Ok);
        const float y = width == 1 ? 10.5f : 10;  // a 1-wide line covers one row
        c.g->drawLine(&pen, 0, y, 200, y);
        const int dash = int(4 * width);
        for (int x = 0; x < 3 * 2 * dash; ++x) {
            const bool on = (x / dash) % 2 == 0;
            EXPECT_EQ(c.at(x, 10) == kBlack, on) << "x=" << x;
        }
    }
}

TEST(RasterTest, PenWidthIsInWorldUnits) {
    Canvas c(100, 100);
    c.g->scaleTransform(4, 4);
    Pen pen(kBlack, 1.0f);
    c.g->drawLine(&pen, 0, 10, 25, 10);  // device y 38..42
    EXPECT_EQ(c.at(50, 37), kWhite);
    EXPECT_EQ(c.at(50, 38), kBlack);
    EXPECT_EQ(c.at(50, 41), kBlack);
    EXPECT_EQ(c.at(50, 42), kWhite);
    // A pixel-unit pen keeps its width under the scale.
    Canvas px(100, 100);
    px.g->scaleTransform(4, 4);
    Pen pixelPen(kBlack, 2.0f, Unit::Pixel);
    px.g->drawLine(&pixelPen, 0, 10, 25, 10);
    EXPECT_EQ(px.at(50, 38), kWhite);
    EXPECT_EQ(px.at(50, 39), kBlack);
    EXPECT_EQ(px.at(50, 40), kBlack);
    EXPECT_EQ(px.at(50, 41), kWhite);
    // Hairlines still show: at least one device pixel.
    c.g->resetTransform();
    c.g->scaleTransform(0.1f, 0.1f);
    c.g->drawLine(&pen, 0, 805, 1000, 805);
    EXPECT_EQ(c.at(50, 80), kBlack);
}

TEST(RasterTest, ArrowAnchorCapPutsAHeadOnTheEndOnly) {
    Canvas c(40, 60);
    Pen pen(kBlack, 2.0f);
    ASSERT_EQ(pen.setEndCap(LineCap::ArrowAnchor), Status::Ok);
    c.g->drawLine(&pen, 20, 50, 20, 10);
    c.save("arrow_anchor.png");
    EXPECT_EQ(c.at(17, 15), kBlack);  // the head is wider than the line
    EXPECT_EQ(c.at(22, 15), kBlack);
    EXPECT_EQ(c.at(19, 11), kBlack);  // up to the tip
    EXPECT_EQ(c.at(20, 9), kWhite);   // not beyond it
    EXPECT_EQ(c.at(17, 30), kWhite);  // shaft keeps its width
    EXPECT_EQ(c.at(19, 30), kBlack);
    EXPECT_EQ(c.at(17, 48), kWhite);  // no head at the start

    Canvas flat(40, 60);
    pen.setEndCap(LineCap::Flat);
    flat.g->drawLine(&pen, 20, 50, 20, 10);
    EXPECT_EQ(flat.at(17, 15), kWhite);
    EXPECT_EQ(flat.at(19, 10), kBlack);
}

TEST(RasterTest, HatchWithTransparentBackgroundLeavesPixelsBelow) {
    const struct {
        HatchStyle style;
        bool (*on)(int x, int y);
    } cases[] = {
        {HatchStyle::ForwardDiagonal, [](int x, int y) { return (x - y) % 8 == 0; }},
        {HatchStyle::LightVertical, [](int x, int) { return x % 4 == 0; }},
    };
    for (const auto& hc : cases) {
        SCOPED_TRACE(int(hc.style));
        Canvas c(32, 32, host::PixelFormat::Argb32, kBlue);
        HatchBrush hatch(hc.style, kRed, 0);
        c.g->setSmoothingMode(SmoothingMode::AntiAlias);
        c.g->fillRectangle(&hatch, 0, 0, 32, 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(c.at(x, y), hc.on(x, y) ? kRed : kBlue) << x << "," << y;
    }
    // An opaque background paints the gaps.
    Canvas c(16, 16, host::PixelFormat::Argb32, kBlue);
    HatchBrush opaque(HatchStyle::LightVertical, kRed, kWhite);
    c.g->fillRectangle(&opaque, 0, 0, 16, 16);
    EXPECT_EQ(c.at(1, 1), kWhite);
    EXPECT_EQ(c.at(4, 1), kRed);
}

// The hatch grid belongs to the device: it does not move with the transform.
TEST(RasterTest, HatchPatternIsAnchoredToDevicePixels) {
    Canvas c(32, 32, host::PixelFormat::Argb32, kBlue);
    HatchBrush hatch(HatchStyle::LightVertical, kRed, 0);
    c.g->translateTransform(1, 0);
    c.g->fillRectangle(&hatch, 0, 0, 16, 16);
    EXPECT_EQ(c.at(4, 3), kRed);
    EXPECT_EQ(c.at(5, 3), kBlue);
}

TEST(RasterTest, ContainerRestoresClipOnPixels) {
    Canvas c(40, 20);
    SolidBrush red(kRed), black(kBlack);
    c.g->setClip(RectF{0, 0, 20, 20});
    GraphicsContainer k;
    c.g->beginContainer(&k);
    c.g->setClip(RectF{10, 0, 30, 20});  // within the outer clip: 10..20
    c.g->fillRectangle(&red, 0, 0, 40, 20);
    EXPECT_EQ(c.at(5, 5), kWhite);
    EXPECT_EQ(c.at(15, 5), kRed);
    EXPECT_EQ(c.at(25, 5), kWhite);
    c.g->endContainer(k);
    c.g->fillRectangle(&black, 0, 10, 40, 10);
    EXPECT_EQ(c.at(5, 15), kBlack);
    EXPECT_EQ(c.at(25, 15), kWhite);
}

TEST(RasterTest, SmoothingModeSwitchesAntiAliasing) {
    auto edgePixel = [](SmoothingMode mode) {
        Canvas c(20, 20);
        c.g->setSmoothingMode(mode);
        SolidBrush black(kBlack);
        c.g->fillRectangle(&black, 2.7f, 2.7f, 10, 10);
        return c.at(2, 5);
    };
    EXPECT_EQ(edgePixel(SmoothingMode::None), kWhite);
    const Argb aa = edgePixel(SmoothingMode::AntiAlias);
    EXPECT_NE(aa, kWhite);
    EXPECT_NE(aa, kBlack);
}

TEST(RasterTest, ClearFillsEverythingRegardlessOfClipAndTransform) {
    Canvas c(10, 10);
    c.g->setClip(RectF{0, 0, 2, 2});
    c.g->scaleTransform(0.5f, 0.5f);
    ASSERT_EQ(c.g->clear(kBlack), Status::Ok);
    EXPECT_EQ(c.at(9, 9), kBlack);
    // The clip is still in force afterwards.
    SolidBrush red(kRed);
    c.g->fillRectangle(&red, 0, 0, 20, 20);
    EXPECT_EQ(c.at(0, 0), kRed);
    EXPECT_EQ(c.at(5, 5), kBlack);
}

TEST(RasterTest, ArcsAndPiesFollowClockwiseAngles) {
    Canvas c(100, 100);
    SolidBrush red(kRed);
    // 0 to 90 degrees clockwise: the lower right quarter with y down.
    c.g->fillPie(&red, 10, 10, 80, 80, 0, 90);
    EXPECT_EQ(c.at(70, 70), kRed);
    EXPECT_EQ(c.at(70, 30), kWhite);
    EXPECT_EQ(c.at(30, 70), kWhite);
    Pen pen(kBlack, 3);
    c.g->drawArc(&pen, 10, 10, 80, 80, 180, 90);  // upper left quarter
    EXPECT_EQ(c.at(10, 45), kBlack);
    EXPECT_EQ(c.at(45, 10), kBlack);
    EXPECT_EQ(c.at(80, 25), kWhite);
    c.save("pie_arc.png");
}

TEST(RasterTest, PolygonFillUsesAlternateRule) {
    // A five-pointed star drawn in one stroke: its centre is a hole.
    Canvas c(100, 100);
    SolidBrush black(kBlack);
    PointF star[5];
    for (int i = 0; i < 5; ++i) {
        const double a = (-90 + i * 144) * 3.14159265358979 / 180;
        star[i] = {float(50 + 45 * std::cos(a)), float(50 + 45 * std::sin(a))};
    }
    c.g->fillPolygon(&black, star, 5);
    EXPECT_EQ(c.at(50, 50), kWhite);
    EXPECT_EQ(c.at(50, 10), kBlack);
    c.g->fillPolygon(&black, star, 5, FillMode::Winding);
    EXPECT_EQ(c.at(50, 50), kBlack);
}

TEST(RasterTest, DrawImageCopiesPixelsAtAPoint) {
    Bitmap back(20, 10, host::PixelFormat::Rgb565);
    {
        std::unique_ptr<Graphics> bg;
        ASSERT_EQ(Graphics::create(&back, &bg), Status::Ok);
        bg->clear(0xFF0000FF);
        SolidBrush red(kRed);
        bg->fillRectangle(&red, 0, 0, 5, 5);
    }
    Canvas screen(30, 20);
    ASSERT_EQ(screen.g->drawImage(&back, 3, 4), Status::Ok);
    EXPECT_EQ(screen.at(3, 4), kRed);
    EXPECT_EQ(screen.at(7, 8), kRed);
    EXPECT_EQ(screen.at(8, 9), kBlue);
    EXPECT_EQ(screen.at(22, 13), kBlue);
    EXPECT_EQ(screen.at(23, 13), kWhite);
    EXPECT_EQ(screen.at(2, 4), kWhite);
}

TEST(RasterTest, SameCallsGiveSamePixels) {
    auto draw = [] {
        auto c = std::make_unique<Canvas>(64, 64);
        c->g->setSmoothingMode(SmoothingMode::AntiAlias);
        Pen pen(0xFF336699, 1.7f);
        c->g->rotateTransform(17);
        c->g->drawEllipse(&pen, 10, 5, 40, 30);
        SolidBrush b(0x80FF8800);
        c->g->fillPie(&b, 5, 5, 50, 50, 10, 200);
        return c;
    };
    auto a = draw(), b = draw();
    ASSERT_EQ(a->bitmap.stride(), b->bitmap.stride());
    EXPECT_EQ(0, std::memcmp(a->bitmap.pixels(), b->bitmap.pixels(),
                             size_t(a->bitmap.stride()) * a->bitmap.height()));
}

}  // namespace
}  // namespace platform::gfx
