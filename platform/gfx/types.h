#pragma once
// Plain values shared by the graphics objects: points, rectangles, colours
// and the mode numbers callers pass through from configuration.
#include <cstdint>

namespace platform::gfx {

// 0xAARRGGBB, not premultiplied.
using Argb = uint32_t;

constexpr Argb makeArgb(uint8_t a, uint8_t r, uint8_t g, uint8_t b) {
    return (Argb(a) << 24) | (Argb(r) << 16) | (Argb(g) << 8) | Argb(b);
}
constexpr uint8_t alphaOf(Argb c) { return uint8_t(c >> 24); }
constexpr uint8_t redOf(Argb c) { return uint8_t(c >> 16); }
constexpr uint8_t greenOf(Argb c) { return uint8_t(c >> 8); }
constexpr uint8_t blueOf(Argb c) { return uint8_t(c); }

struct PointF {
    float x = 0;
    float y = 0;
    friend bool operator==(const PointF&, const PointF&) = default;
};

struct RectF {
    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
    float right() const { return x + width; }
    float bottom() const { return y + height; }
    friend bool operator==(const RectF&, const RectF&) = default;
};

// Transform composition: Prepend makes the new operation act first, in the
// caller's local coordinates (the default everywhere).
enum class MatrixOrder : int32_t { Prepend = 0, Append = 1 };

enum class SmoothingMode : int32_t {
    Default = 0,  // aliased
    HighSpeed = 1,
    HighQuality = 2,
    None = 3,
    AntiAlias = 4,
};

enum class TextRenderingHint : int32_t {
    SystemDefault = 0,  // anti-aliased here
    SingleBitPerPixelGridFit = 1,
    SingleBitPerPixel = 2,
    AntiAliasGridFit = 3,
    AntiAlias = 4,
    ClearTypeGridFit = 5,  // drawn as grey anti-aliasing
};

enum class CombineMode : int32_t {
    Replace = 0,
    Intersect = 1,
    Union = 2,
    Xor = 3,
    Exclude = 4,     // this minus the other
    Complement = 5,  // the other minus this
};

// Alternate is even-odd, Winding is non-zero.
enum class FillMode : int32_t { Alternate = 0, Winding = 1 };

enum class LineCap : int32_t {
    Flat = 0,
    Square = 1,
    Round = 2,
    Triangle = 3,
    ArrowAnchor = 20,  // filled arrow head whose tip is the line's end
};

enum class LineJoin : int32_t { Miter = 0, Bevel = 1, Round = 2 };

// 8 x 8 device-pixel patterns.
enum class HatchStyle : int32_t {
    Horizontal = 0,
    Vertical = 1,
    ForwardDiagonal = 2,  // upper left to lower right
    BackwardDiagonal = 3,
    Cross = 4,
    DiagonalCross = 5,
    LightVertical = 24,  // vertical lines every 4 pixels
};

enum class StringAlignment : int32_t { Near = 0, Center = 1, Far = 2 };

// Font style bits.
enum FontStyle : int32_t {
    FontStyleRegular = 0,
    FontStyleBold = 1,
    FontStyleItalic = 2,
    FontStyleBoldItalic = 3,
    FontStyleUnderline = 4,
    FontStyleStrikeout = 8,
};

// Units of font sizes and pen widths. Pixel and World both mean world units
// once a world transform is set (pixels when there is none).
enum class Unit : int32_t {
    World = 0,
    Display = 1,
    Pixel = 2,
    Point = 3,
    Inch = 4,
    Document = 5,
    Millimeter = 6,
};

}  // namespace platform::gfx
