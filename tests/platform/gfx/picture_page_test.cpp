#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

// A page of every kind of primitive in a 1000-unit space, written as PNG at
// two sizes for looking at (build/artifacts/platform_gfx/).
void drawPage(Graphics& g) {
    g.clear(0xFF101820);
    g.setSmoothingMode(SmoothingMode::AntiAlias);
    g.setTextRenderingHint(TextRenderingHint::AntiAlias);
    g.resetTransform();
    g.scaleTransform(float(g.width()) / 1000, float(g.height()) / 1000);

    Pen white(0xFFFFFFFF, 3), green(0xFF00E000, 6), cyan(0xFF00E0E0, 4);
    SolidBrush magenta(0xFFE000E0), grey(0xFF404850), yellow(0xFFFFFF00);
    HatchBrush diag(HatchStyle::ForwardDiagonal, 0xFFFFA000, 0);
    HatchBrush vert(HatchStyle::LightVertical, 0xFF80FF80, 0);

    // Row 1: outlines.
    g.drawLine(&white, 40, 40, 220, 160);
    g.drawRectangle(&white, 260, 40, 180, 120);
    g.drawEllipse(&green, 480, 40, 180, 120);
    g.drawArc(&cyan, 700, 40, 120, 120, 180, 270);
    g.drawPie(&white, 840, 40, 120, 120, -90, 135);

    // Row 2: fills, alternate fill rule, hatches.
    g.fillRectangle(&grey, 40, 200, 180, 120);
    g.fillRectangle(&diag, 40, 200, 180, 120);
    g.fillEllipse(&magenta, 260, 200, 180, 120);
    g.fillRectangle(&vert, 260, 200, 180, 120);
    PointF star[5];
    for (int i = 0; i < 5; ++i) {
        const double a = (-90 + i * 144) * 3.14159265358979 / 180;
        star[i] = {float(570 + 65 * std::cos(a)), float(265 + 65 * std::sin(a))};
    }
    g.fillPolygon(&yellow, star, 5);
    g.fillPie(&magenta, 700, 200, 120, 120, 0, 90);
    g.drawPolygon(&white, star, 5);

    // Row 3: dashes and an arrow pointer in a rotated container.
    const float longDash[2] = {4, 4}, shortDash[2] = {2, 2};
    Pen dash1(0xFFFFFFFF, 4), dash2(0xFFFFFFFF, 8);
    dash1.setDashPattern(longDash, 2);
    dash2.setDashPattern(shortDash, 2);
    g.drawLine(&dash1, 40, 380, 440, 380);
    g.drawLine(&dash2, 40, 420, 440, 420);
    GraphicsContainer c;
    g.beginContainer(&c);
    g.translateTransform(600, 420);
    g.rotateTransform(60);
    Pen arrow(0xFF00FF00, 6);
    arrow.setEndCap(LineCap::ArrowAnchor);
    g.drawLine(&arrow, 0, 60, 0, -60);
    g.endContainer(c);
    // Clipped: a dial face seen through a window with a hole.
    GraphicsPath window;
    window.addRectangle({720, 350, 240, 140});
    window.addEllipse(800, 380, 80, 80);
    g.setClip(window);
    g.fillEllipse(&diag, 700, 330, 280, 280);
    g.resetClip();
    g.drawPath(&white, &window);

    // Row 4: text anchors around cross-hairs.
    const Font font(FontFamily::genericSansSerif(), 40);
    const Font bold(FontFamily::genericSansSerif(), 40, FontStyleBold | FontStyleUnderline);
    const StringAlignment all[] = {StringAlignment::Near, StringAlignment::Center,
                                   StringAlignment::Far};
    for (int h = 0; h < 3; ++h) {
        const float x = 150 + h * 330.0f, y = 600;
        g.drawLine(&cyan, x - 20, y, x + 20, y);
        g.drawLine(&cyan, x, y - 20, x, y + 20);
        for (int v = 0; v < 3; ++v) {
            StringFormat f;
            f.setAlignment(all[h]);
            f.setLineAlignment(all[v]);
            g.drawString(v == 1 ? L"CENTER" : L"Text 123", -1, v == 1 ? &bold : &font,
                         {x, y + (v - 1) * 60.0f, 0, 0}, &f, &yellow);
        }
    }
    // Row 5: rotated labels as on a compass card.
    StringFormat centre;
    centre.setAlignment(StringAlignment::Center);
    for (int i = 0; i < 12; ++i) {
        g.beginContainer(&c);
        g.translateTransform(500, 850);
        g.rotateTransform(float(i * 30));
        g.drawString(i == 0 ? L"N" : std::to_wstring(i * 3).c_str(), -1, &font, {0, -140, 0, 0},
                     &centre, &yellow);
        g.drawLine(&white, 0, -100, 0, -80);
        g.endContainer(c);
    }
}

TEST(PicturePageTest, PageOfPrimitivesAtTwoSizes) {
    for (int size : {300, 1000}) {
        SCOPED_TRACE(size);
        testing::Canvas c(size, size);
        drawPage(*c.g);
        c.save("page_" + std::to_string(size) + ".png");
        // The filled ellipse centre and the hatch over grey, probed at the scale.
        const float k = size / 1000.0f;
        EXPECT_EQ(c.at(int(350 * k), int(240 * k)) & 0xFFFFFF, 0xE000E0u);
        EXPECT_EQ(c.at(0, int(990 * k)), 0xFF101820u);
    }
}

}  // namespace
}  // namespace platform::gfx
