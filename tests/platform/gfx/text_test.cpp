#include <gtest/gtest.h>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

using testing::Canvas;
using testing::kBlack;
using testing::kWhite;

const FontFamily& sans() { return FontFamily::genericSansSerif(); }

TEST(FontTest, FamiliesByNameWithGenericFallback) {
    FontFamily f;
    EXPECT_EQ(FontFamily::fromName(L"DejaVu Sans", &f), Status::Ok);
    EXPECT_EQ(f.name(), "DejaVu Sans");
    FontFamily same;
    EXPECT_EQ(FontFamily::fromName(L"dejavu sans", &same), Status::Ok);
    FontFamily missing;
    EXPECT_EQ(FontFamily::fromName(L"No Such Face 123", &missing), Status::FontFamilyNotFound);
    EXPECT_FALSE(missing.valid());
    EXPECT_TRUE(sans().valid());
    EXPECT_FALSE(sans().name().empty());
    Font bad(missing, 12);
    EXPECT_FALSE(bad.valid());
    EXPECT_EQ(bad.lastStatus(), Status::InvalidParameter);
    Font zero(sans(), 0);
    EXPECT_FALSE(zero.valid());
}

TEST(FontTest, CellAscentAndEmHeightComeFromTheFontFile) {
    FontFamily f;
    ASSERT_EQ(FontFamily::fromName("DejaVu Sans", &f), Status::Ok);
    uint16_t ascent = 0, descent = 0, em = 0, spacing = 0;
    EXPECT_EQ(f.getCellAscent(FontStyleRegular, &ascent), Status::Ok);
    EXPECT_EQ(f.getCellDescent(FontStyleRegular, &descent), Status::Ok);
    EXPECT_EQ(f.getEmHeight(FontStyleRegular, &em), Status::Ok);
    EXPECT_EQ(f.getLineSpacing(FontStyleBold, &spacing), Status::Ok);
    EXPECT_EQ(em, 2048);
    EXPECT_EQ(ascent, 1901);
    EXPECT_EQ(descent, 483);
    EXPECT_EQ(spacing, 2384);
    Font font(f, 75, FontStyleBold | FontStyleUnderline);
    EXPECT_FLOAT_EQ(font.height(), 75.0f * 2384 / 2048);
    int style = 0;
    font.getStyle(&style);
    EXPECT_EQ(style, 5);
}

class TextBoxTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(Graphics::createRecording(400, 400, &rec, &g), Status::Ok); }
    DrawRecorder rec;
    std::unique_ptr<Graphics> g;
    Font font{FontFamily::genericSansSerif(), 40};
};

// A zero-size layout rectangle is a point; the alignments place the box
// right of / centred on / left of it, and below / centred on / above it.
TEST_F(TextBoxTest, AlignmentAtAPointPlacesTheMeasuredBox) {
    RectF natural;
    ASSERT_EQ(g->measureString(L"123", -1, &font, {0, 0, 0, 0}, nullptr, &natural), Status::Ok);
    EXPECT_GT(natural.width, 40.0f / 3);
    EXPECT_NEAR(natural.height, font.height(), 1e-3);
    const StringAlignment all[] = {StringAlignment::Near, StringAlignment::Center,
                                   StringAlignment::Far};
    const PointF p{200, 100};
    for (StringAlignment h : all) {
        for (StringAlignment v : all) {
            SCOPED_TRACE(::testing::Message() << int(h) << "/" << int(v));
            StringFormat fmt;
            fmt.setAlignment(h);
            fmt.setLineAlignment(v);
            RectF box;
            ASSERT_EQ(g->measureString(L"123", -1, &font, {p.x, p.y, 0, 0}, &fmt, &box),
                      Status::Ok);
            EXPECT_FLOAT_EQ(box.width, natural.width);
            const float hx = h == StringAlignment::Near     ? box.x
                             : h == StringAlignment::Center ? box.x + box.width / 2
                                                            : box.right();
            const float vy = v == StringAlignment::Near     ? box.y
                             : v == StringAlignment::Center ? box.y + box.height / 2
                                                            : box.bottom();
            EXPECT_NEAR(hx, p.x, 1e-3);
            EXPECT_NEAR(vy, p.y, 1e-3);
            // The drawn text's recorded box is the measured one.
            g->drawString(L"123", -1, &font, {p.x, p.y, 0, 0}, &fmt,
                          std::make_unique<SolidBrush>(kBlack).get());
            const DrawRecord r = rec.records().back();
            EXPECT_NEAR(r.bounds.x, box.x, 1e-3);
            EXPECT_NEAR(r.bounds.y, box.y, 1e-3);
            EXPECT_NEAR(r.bounds.width, box.width, 1e-3);
            EXPECT_NEAR(r.bounds.height, box.height, 1e-3);
            EXPECT_EQ(r.alignment, h);
            EXPECT_EQ(r.lineAlignment, v);
        }
    }
}

TEST_F(TextBoxTest, MeasuringCountsLinesAndSkipsTrailingSpaces) {
    RectF one, spaced, two, empty;
    int fitted = 0, lines = 0;
    g->measureString(L"AB", -1, &font, {}, nullptr, &one);
    g->measureString(L"AB   ", -1, &font, {}, nullptr, &spaced);
    g->measureString(L"AB\nA", -1, &font, {}, nullptr, &two, &fitted, &lines);
    g->measureString(L"", -1, &font, {}, nullptr, &empty);
    EXPECT_FLOAT_EQ(spaced.width, one.width);
    EXPECT_FLOAT_EQ(two.width, one.width);
    EXPECT_NEAR(two.height, 2 * one.height, 1e-3);
    EXPECT_EQ(lines, 2);
    EXPECT_EQ(fitted, 4);
    EXPECT_EQ(empty.width, 0);
    EXPECT_EQ(empty.height, 0);
    // Length limits the text.
    RectF partial;
    g->measureString(L"ABCD", 2, &font, {}, nullptr, &partial);
    EXPECT_FLOAT_EQ(partial.width, one.width);
}

TEST_F(TextBoxTest, SizeIsInWorldUnitsUnderTheWorldScale) {
    g->scaleTransform(0.3f, 0.3f);
    SolidBrush b(kBlack);
    g->drawString(L"N", -1, &font, {100, 100, 0, 0}, nullptr, &b);
    const DrawRecord r = rec.records().back();
    EXPECT_FLOAT_EQ(r.fontSize, 40);
    EXPECT_NEAR(r.fontDeviceSize, 12, 1e-4);
    EXPECT_EQ(r.text, L"N");
    EXPECT_NEAR(r.points[0].x, 30, 1e-4);
    EXPECT_NEAR(r.points[0].y, 30, 1e-4);
    EXPECT_NEAR(r.bounds.height, font.height() * 0.3f, 1e-3);
}

struct InkBox {
    int x0 = 1 << 30, y0 = 1 << 30, x1 = -1, y1 = -1;
};

InkBox ink(const Canvas& c) {
    InkBox b;
    for (int y = 0; y < c.bitmap.height(); ++y)
        for (int x = 0; x < c.bitmap.width(); ++x)
            if (c.at(x, y) != kWhite) {
                b.x0 = std::min(b.x0, x);
                b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x);
                b.y1 = std::max(b.y1, y);
            }
    return b;
}

// Far alignment ends the text at the point (less the box's padding), near
// starts it there; no ink crosses the point either way.
TEST(TextInkTest, FarAlignedTextEndsAtThePoint) {
    const Font font(FontFamily::genericSansSerif(), 30);
    SolidBrush black(kBlack);
    const float pad = 30.0f / 6;
    for (StringAlignment a : {StringAlignment::Near, StringAlignment::Far}) {
        SCOPED_TRACE(int(a));
        Canvas c(300, 60);
        c.g->setTextRenderingHint(TextRenderingHint::AntiAlias);
        StringFormat fmt;
        fmt.setAlignment(a);
        ASSERT_EQ(c.g->drawString(L"HH", -1, &font, {150, 10, 0, 0}, &fmt, &black), Status::Ok);
        const InkBox b = ink(c);
        ASSERT_GE(b.x1, 0);
        if (a == StringAlignment::Far) {
            EXPECT_LT(b.x1, 150 - pad + 1);
            EXPECT_GT(b.x1, 150 - pad - 5);
        } else {
            EXPECT_GE(b.x0, 150 + pad - 1);
            EXPECT_LT(b.x0, 150 + pad + 5);
        }
    }
}

// Drawing at y - size * ascent / emHeight with near line alignment puts the
// baseline on y: a capital without descender sits on it.
TEST(TextInkTest, BaselineRulePutsTheBaselineOnY) {
    FontFamily fam = FontFamily::genericSansSerif();
    uint16_t ascent = 0, em = 0;
    fam.getCellAscent(0, &ascent);
    fam.getEmHeight(0, &em);
    for (float size : {20.0f, 75.0f}) {
        SCOPED_TRACE(size);
        Canvas c(200, 200);
        const Font font(fam, size);
        SolidBrush black(kBlack);
        const float y = 150;
        c.g->setTextRenderingHint(TextRenderingHint::SingleBitPerPixelGridFit);
        c.g->drawString(L"H", -1, &font, {20, y - size * ascent / em, 0, 0}, nullptr, &black);
        const InkBox b = ink(c);
        EXPECT_EQ(b.y1, int(y) - 1);
        // Cap height of the sans family is about 0.73 em.
        EXPECT_NEAR(y - b.y0, 0.73f * size, 0.05f * size + 1);
    }
}

TEST(TextInkTest, TextTurnsWithTheWorldTransform) {
    Canvas c(200, 200);
    const Font font(FontFamily::genericSansSerif(), 30);
    SolidBrush black(kBlack);
    c.g->translateTransform(100, 100);
    c.g->rotateTransform(90);
    c.g->drawString(L"LONGTEXT", -1, &font, {0, 0, 0, 0}, nullptr, &black);
    c.save("text_rotated.png");
    const InkBox b = ink(c);
    // Rotated clockwise: the text runs downwards, left of the origin.
    EXPECT_GT(b.y1 - b.y0, 3 * (b.x1 - b.x0));
    EXPECT_LE(b.x1, 100);
    EXPECT_GE(b.y0, 100);
}

TEST(TextInkTest, StylesChangeTheInk) {
    auto inkCount = [](int style) {
        Canvas c(200, 60);
        const Font font(FontFamily::genericSansSerif(), 30, style);
        SolidBrush black(kBlack);
        c.g->drawString(L"Hello", -1, &font, {5, 5, 0, 0}, nullptr, &black);
        int n = 0;
        for (int y = 0; y < 60; ++y)
            for (int x = 0; x < 200; ++x) n += c.at(x, y) != kWhite;
        return n;
    };
    const int regular = inkCount(FontStyleRegular);
    EXPECT_GT(inkCount(FontStyleBold), regular);
    EXPECT_GT(inkCount(FontStyleUnderline), regular);
    EXPECT_GT(inkCount(FontStyleStrikeout), regular);
    EXPECT_NE(inkCount(FontStyleItalic), regular);
}

}  // namespace
}  // namespace platform::gfx
