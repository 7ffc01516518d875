#include "zentra/draw/text_anchor.h"

#include <gtest/gtest.h>

#include "recording_canvas.h"
#include "zentra/draw/font_table.h"

namespace zentra {
namespace {

using gfx::StringAlignment;
using testing::RecordingCanvas;

TEST(SetAnchorAlignment, HorizontalAndLineAlignmentFromTheBits) {
    using A = TextAnchor;
    const auto N = StringAlignment::Near;
    const auto C = StringAlignment::Center;
    const auto F = StringAlignment::Far;
    const struct {
        int32_t anchor;
        StringAlignment horizontal;
        StringAlignment line;
    } cases[] = {
        {A::TOP_LEFT, N, N},
        {A::BOTTOM_LEFT, N, F},
        {A::BASE_LEFT, N, N},
        {A::CENTER_LEFT, N, C},
        {A::TOP_RIGHT, F, N},
        {A::BOTTOM_RIGHT, F, F},
        {A::BASE_RIGHT, F, N},
        {A::CENTER_RIGHT, F, C},
        {A::TOP_CENTER, C, N},
        {A::BOTTOM_CENTER, C, F},
        {A::BASE_CENTER, C, N},
        {A::CENTER_CENTER, C, C},
        {2, C, N},
        {4, F, N},
        {0, N, N},
        {A::RIGHT | A::CENTER | A::BOTTOM | A::MIDDLE, F, F},
    };
    for (const auto& c : cases) {
        gfx::StringFormat format;
        format.setAlignment(StringAlignment::Far);
        format.setLineAlignment(StringAlignment::Far);
        gfx::StringFormat& result = setAnchorAlignment(format, c.anchor);
        EXPECT_EQ(&result, &format);
        EXPECT_EQ(format.alignment(), c.horizontal) << c.anchor;
        EXPECT_EQ(format.lineAlignment(), c.line) << c.anchor;
    }
}

class AnchoredText : public ::testing::Test {
  protected:
    AnchoredText() {
        fs.size = 75;
        fs.face = L"DejaVu Sans";
        font = makeFont(fs);
    }
    // Ascent over em height of the font's family, times its size.
    float ascent() const {
        uint16_t a = 0, em = 0;
        font->family().getCellAscent(0, &a);
        font->family().getEmHeight(0, &em);
        return 75.0f * a / em;
    }
    RecordingCanvas rc;
    FontSpec fs;
    std::unique_ptr<gfx::Font> font;
    gfx::SolidBrush brush{0xFFFFFFFF};
};

TEST_F(AnchoredText, BaseRightEndsAtXWithTheBaselineOnY) {
    ASSERT_NE(font, nullptr);
    EXPECT_NEAR(baselineOffset(*font), ascent(), 1e-3);
    EXPECT_GT(ascent(), 50);
    EXPECT_LT(ascent(), 75);

    gfx::StringFormat format;
    drawAnchoredText(rc.canvas, L"123", font.get(), {500, 400}, TextAnchor::BASE_RIGHT, format,
                     &brush);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 1u);
    const auto& text = records[0];
    EXPECT_EQ(text.text, L"123");
    EXPECT_EQ(text.alignment, StringAlignment::Far);
    EXPECT_EQ(text.lineAlignment, StringAlignment::Near);
    EXPECT_NEAR(text.points.at(0).x, 500, 1e-3);
    EXPECT_NEAR(text.points.at(0).y, 400 - ascent(), 1e-3);
    EXPECT_NEAR(text.bounds.right(), 500, 1e-2);
    EXPECT_NEAR(text.bounds.y, 400 - ascent(), 1e-2);
}

TEST_F(AnchoredText, CenterCenterCentresTheBoxOnThePoint) {
    gfx::StringFormat format;
    drawAnchoredText(rc.canvas, L"HDG", font.get(), {300, 200}, TextAnchor::CENTER_CENTER, format,
                     &brush);
    auto records = rc.take();
    ASSERT_EQ(records.size(), 1u);
    const auto& box = records[0].bounds;
    EXPECT_GT(box.width, 0);
    EXPECT_NEAR(box.x + box.width / 2, 300, 1e-2);
    EXPECT_NEAR(box.y + box.height / 2, 200, 1e-2);
}

TEST_F(AnchoredText, BaselineDrawingLeavesTheCallersFormatAlone) {
    gfx::StringFormat format;
    format.setLineAlignment(StringAlignment::Far);
    drawTextAtBaseline(rc.canvas, L"X", -1, font.get(), {10, 100}, &format, &brush);
    EXPECT_EQ(format.lineAlignment(), StringAlignment::Far);
    EXPECT_EQ(rc.take().at(0).lineAlignment, StringAlignment::Near);
}

TEST(InfoText, PartsJoinedEachCutToNineteen) {
    EXPECT_EQ(composeInfoText(L"GS ", L"245", L" KT"), L"GS 245 KT");
    EXPECT_EQ(composeInfoText(L"", L"245", L""), L"245");
    const std::wstring long20(20, L'a');
    EXPECT_EQ(composeInfoText(long20, L"1", long20),
              std::wstring(19, L'a') + L"1" + std::wstring(19, L'a'));
}

}  // namespace
}  // namespace zentra
