#pragma once
// Text placed at a point by an anchor: which part of the text's box (or its
// baseline) lies on the point.
#include <cstdint>
#include <string>

#include "zentra/draw/canvas.h"

namespace zentra {

// Bit set: one horizontal and one vertical bit.
struct TextAnchor {
    static constexpr int32_t LEFT = 1;
    static constexpr int32_t CENTER = 2;
    static constexpr int32_t RIGHT = 4;
    static constexpr int32_t TOP = 8;
    static constexpr int32_t BASE = 16;
    static constexpr int32_t BOTTOM = 32;
    static constexpr int32_t MIDDLE = 64;

    static constexpr int32_t TOP_LEFT = TOP | LEFT;
    static constexpr int32_t BOTTOM_LEFT = BOTTOM | LEFT;
    static constexpr int32_t BASE_LEFT = BASE | LEFT;
    static constexpr int32_t CENTER_LEFT = MIDDLE | LEFT;
    static constexpr int32_t TOP_RIGHT = TOP | RIGHT;
    static constexpr int32_t BOTTOM_RIGHT = BOTTOM | RIGHT;
    static constexpr int32_t BASE_RIGHT = BASE | RIGHT;
    static constexpr int32_t CENTER_RIGHT = MIDDLE | RIGHT;
    static constexpr int32_t TOP_CENTER = TOP | CENTER;
    static constexpr int32_t BOTTOM_CENTER = BOTTOM | CENTER;
    static constexpr int32_t BASE_CENTER = BASE | CENTER;
    static constexpr int32_t CENTER_CENTER = MIDDLE | CENTER;
};

// Horizontal: far for RIGHT, else centre for CENTER, else near. Line: far
// for BOTTOM, else centre for MIDDLE, else near (TOP, and BASE, which
// drawTextAtBaseline completes). Returns the format.
gfx::StringFormat& setAnchorAlignment(gfx::StringFormat& format, int32_t anchor);

// Draws the text with its baseline on the point's y: the line box is moved
// up by the font's ascent (size x cell ascent / em height). The format's
// horizontal alignment holds; its line alignment is taken as near.
void drawTextAtBaseline(Canvas& canvas, const wchar_t* text, int length, const gfx::Font* font,
                        gfx::PointF at, const gfx::StringFormat* format, const gfx::Brush* brush);

// The distance from the top of the font's line box to its baseline, in the
// font's units (0 for a missing font).
float baselineOffset(const gfx::Font& font);

// Anchored text: the format is aligned for the anchor, then the text drawn
// on its baseline when the anchor has BASE, else at the point.
void drawAnchoredText(Canvas& canvas, const std::wstring& text, const gfx::Font* font,
                      gfx::PointF at, int32_t anchor, gfx::StringFormat& format,
                      const gfx::Brush* brush);

// Info-field text: prefix, value and suffix joined, each cut to its 19
// characters. A field drawn without prefix and suffix shows the value alone.
std::wstring composeInfoText(const std::wstring& prefix, const std::wstring& value,
                             const std::wstring& suffix);
constexpr size_t kInfoPartLength = 19;

}  // namespace zentra
