#include <gtest/gtest.h>

#include <cstring>
#include <thread>
#include <vector>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

// One instrument-like frame: transforms, clip, text, hatch, dashes.
void drawScene(Graphics& g, int frame) {
    g.clear(0xFF000000);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.setTextRenderingHint(TextRenderingHint::AntiAlias);
    g.resetTransform();
    g.scaleTransform(128.0f / 1000, 128.0f / 1000);
    g.setClip(RectF{100, 100, 800, 800});
    Pen pen(0xFF00FF00, 6);
    const float dash[2] = {2, 2};
    pen.setDashPattern(dash, 2);
    SolidBrush white(0xFFFFFFFF);
    HatchBrush hatch(HatchStyle::ForwardDiagonal, 0xFFFFFF00, 0);
    FontFamily mono = FontFamily::genericSansSerif();
    FontFamily::fromName("DejaVu Sans Mono", &mono);
    const Font font(mono, 80, FontStyleBold | FontStyleItalic);
    StringFormat centre;
    centre.setAlignment(StringAlignment::Center);
    centre.setLineAlignment(StringAlignment::Center);
    for (int i = 0; i < 12; ++i) {
        GraphicsContainer c;
        g.beginContainer(&c);
        g.translateTransform(500, 500);
        g.rotateTransform(float(i * 30 + frame));
        g.drawLine(&pen, 0, -100, 0, -400);
        g.fillRectangle(&hatch, -20, -450, 40, 40);
        g.drawString(L"12", -1, &font, {0, -300, 0, 0}, &centre, &white);
        g.endContainer(c);
    }
    g.resetClip();
}

TEST(GraphicsThreadsTest, DistinctGraphicsOnDistinctThreadsDrawTheSame) {
    constexpr int kThreads = 4;
    std::vector<Bitmap> bitmaps;
    for (int i = 0; i < kThreads; ++i) bitmaps.emplace_back(128, 128, host::PixelFormat::Rgb24);
    std::vector<Bitmap> argb;
    for (int i = 0; i < kThreads; ++i) argb.emplace_back(128, 128, host::PixelFormat::Argb32);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            std::unique_ptr<Graphics> g, h;
            Graphics::create(&bitmaps[size_t(t)], &g);
            Graphics::create(&argb[size_t(t)], &h);
            for (int frame = 0; frame < 5; ++frame) drawScene(*g, 7);
            drawScene(*h, 0);
        });
    }
    for (auto& th : threads) th.join();
    // Drawn after the threads, so that they were the first to use the fonts.
    Bitmap reference(128, 128, host::PixelFormat::Argb32);
    {
        std::unique_ptr<Graphics> g;
        ASSERT_EQ(Graphics::create(&reference, &g), Status::Ok);
        drawScene(*g, 0);
    }
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(0, std::memcmp(argb[size_t(t)].pixels(), reference.pixels(),
                                 size_t(reference.stride()) * 128))
            << t;
        EXPECT_EQ(0, std::memcmp(bitmaps[size_t(t)].pixels(), bitmaps[0].pixels(),
                                 size_t(bitmaps[0].stride()) * 128))
            << t;
    }
}

}  // namespace
}  // namespace platform::gfx
