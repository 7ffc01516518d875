#include "zentra/draw/rolling_digits.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/text_anchor.h"

namespace zentra {
namespace {

using gfx::PointF;
using testing::expectPoints;
using testing::RecordingCanvas;

struct Drawn {
    std::wstring text;
    PointF at;
};

class RollingDigits : public ::testing::Test {
  protected:
    RollingDigits() {
        FontSpec fs;
        fs.size = 40;
        fs.face = L"DejaVu Sans";
        font = makeFont(fs);
        metrics.digitHeight = 40;
        metrics.drumWidth = 20;
    }
    std::vector<Drawn> draw(double value, int64_t n, int divisor, int step, int digits,
                            int32_t anchor = TextAnchor::RIGHT) {
        drawRollingDigits(rc.canvas, &brush, font.get(), font.get(), value, n, divisor, step,
                          digits, {500, 500}, metrics, anchor);
        std::vector<Drawn> out;
        for (const auto& r : rc.take()) {
            EXPECT_EQ(r.kind, gfx::DrawKind::Text);
            EXPECT_EQ(r.lineAlignment, gfx::StringAlignment::Center);
            out.push_back({r.text, r.points.at(0)});
        }
        return out;
    }
    // The drum's five entries, bottom to top, and their distance below y0
    // of the centre entry in digit heights.
    static void expectDrum(const std::vector<Drawn>& drawn, std::vector<std::wstring> entries,
                           float offset) {
        ASSERT_GE(drawn.size(), 5u);
        const size_t first = drawn.size() - 5;
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(i);
            EXPECT_EQ(drawn[first + i].text, entries[i]);
            EXPECT_NEAR(drawn[first + i].at.x, 500, 1e-3);
            EXPECT_NEAR(drawn[first + i].at.y, 500 - (i - 2 - offset) * 40 * 0.8f, 1e-2);
        }
    }

    RecordingCanvas rc;
    std::unique_ptr<gfx::Font> font;
    gfx::SolidBrush brush{0xFFFFFFFF};
    RollingMetrics metrics;
};

TEST_F(RollingDigits, TensRollHalfwayAt129Point5) {
    auto drawn = draw(129.5, 129, 10, 1, 1);
    ASSERT_EQ(drawn.size(), 8u);
    // Tens: 2 half a digit low, 3 coming in from above; hundreds fixed.
    EXPECT_EQ(drawn[0].text, L"2");
    EXPECT_NEAR(drawn[0].at.x, 500 - 0.8f * 20, 1e-3);
    EXPECT_NEAR(drawn[0].at.y, 520, 1.0);
    EXPECT_EQ(drawn[1].text, L"3");
    EXPECT_NEAR(drawn[1].at.y, drawn[0].at.y - 40, 1e-3);
    EXPECT_EQ(drawn[2].text, L"1");
    EXPECT_FLOAT_EQ(drawn[2].at.y, 500);
    EXPECT_LT(drawn[2].at.x, drawn[0].at.x);
    expectDrum(drawn, {L"7", L"8", L"9", L"0", L"1"}, 0.5f);
}

TEST_F(RollingDigits, ANineBelowCarriesItsRollUp) {
    auto drawn = draw(199.5, 199, 10, 1, 1);
    ASSERT_EQ(drawn.size(), 9u);
    EXPECT_EQ(drawn[0].text, L"9");
    EXPECT_EQ(drawn[1].text, L"0");
    EXPECT_EQ(drawn[2].text, L"1");
    EXPECT_EQ(drawn[3].text, L"2");
    EXPECT_FLOAT_EQ(drawn[2].at.y, drawn[0].at.y);
    EXPECT_NEAR(drawn[0].at.y, 520, 1.0);
}

TEST_F(RollingDigits, TheHighestDigitRollsToTen) {
    auto drawn = draw(999.6, 999, 10, 1, 1);
    ASSERT_EQ(drawn.size(), 9u);
    EXPECT_EQ(drawn[0].text, L"9");
    EXPECT_EQ(drawn[1].text, L"0");
    EXPECT_EQ(drawn[2].text, L"9");
    EXPECT_EQ(drawn[3].text, L"10");
    EXPECT_NEAR(drawn[0].at.y, 524, 1.0);
    expectDrum(drawn, {L"7", L"8", L"9", L"0", L"1"}, 0.6f);
}

TEST_F(RollingDigits, DrumEntriesStepAroundTheDisplayedValue) {
    auto drawn = draw(37, 37, 100, 10, 2);
    ASSERT_EQ(drawn.size(), 5u);  // no digit above the drum
    expectDrum(drawn, {L"17", L"27", L"37", L"47", L"57"}, 0.7f);

    // Altitude window, two drum digits in steps of 20.
    drawn = draw(12337, 12320, 100, 20, 2);
    ASSERT_EQ(drawn.size(), 8u);
    EXPECT_EQ(drawn[0].text, L"3");
    EXPECT_EQ(drawn[1].text, L"2");
    EXPECT_EQ(drawn[2].text, L"1");
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(drawn[i].at.y, 500);
    expectDrum(drawn, {L"80", L"00", L"20", L"40", L"60"}, 0.85f);
}

TEST_F(RollingDigits, LeftAnchorPutsTheDrumRightOfTheDigits) {
    auto drawn = draw(45, 45, 10, 1, 1, TextAnchor::LEFT);
    ASSERT_EQ(drawn.size(), 6u);
    EXPECT_FLOAT_EQ(drawn[0].at.x, 500);
    for (int i = 1; i < 6; ++i) EXPECT_FLOAT_EQ(drawn[i].at.x, 520);
}

TEST_F(RollingDigits, OddStepsAndDivisorsStayInRange) {
    // A step as large as the divisor would give negative entries without care.
    auto drawn = draw(5, 5, 10, 10, 1);
    for (const auto& d : drawn) EXPECT_EQ(d.text.find(L'-'), std::wstring::npos);
    drawn = draw(5, 5, 0, 0, 1);  // treated as divisor 1, no drum motion
    ASSERT_EQ(drawn.size(), 6u);
}

TEST(RollingWindow, OutlineWithPointerOnEitherSide) {
    const gfx::RectF box{100, 200, 80, 40};  // cy = 220
    const auto right = rollingWindowOutline(box, 10, 60, 30, true);
    expectPoints({right.begin(), right.end()}, {{180, 190},
                                                {150, 190},
                                                {150, 200},
                                                {100, 200},
                                                {100, 240},
                                                {150, 240},
                                                {150, 250},
                                                {180, 250},
                                                {180, 230},
                                                {190, 220},
                                                {180, 210}});
    const auto left = rollingWindowOutline(box, 10, 60, 30, false);
    expectPoints({left.begin(), left.end()}, {{180, 190},
                                              {150, 190},
                                              {150, 200},
                                              {100, 200},
                                              {100, 210},
                                              {90, 220},
                                              {100, 230},
                                              {100, 240},
                                              {150, 240},
                                              {150, 250},
                                              {180, 250}});
    const gfx::Region region = outlineRegion(left.data(), int(left.size()));
    EXPECT_TRUE(region.isVisible({95, 220}));   // pointer
    EXPECT_TRUE(region.isVisible({170, 195}));  // drum above the box
    EXPECT_FALSE(region.isVisible({120, 195}));
}

TEST(RollingWindow, ReadoutAnchorFollowsTheAlignment) {
    const gfx::RectF box{100, 200, 80, 40};
    const struct {
        int32_t alignment;
        PointF point;
        gfx::StringAlignment align;
    } cases[] = {
        {TextAnchor::LEFT, {100, 220}, gfx::StringAlignment::Near},
        {TextAnchor::CENTER, {140, 220}, gfx::StringAlignment::Center},
        {TextAnchor::RIGHT, {180, 220}, gfx::StringAlignment::Far},
    };
    for (const auto& c : cases) {
        const ReadoutAnchor a = rollingReadoutAnchor(box, c.alignment);
        EXPECT_EQ(a.point, c.point);
        EXPECT_EQ(a.alignment, c.align);
    }
}

}  // namespace
}  // namespace zentra
