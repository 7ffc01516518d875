#pragma once
// The readout window whose last digits roll like a mechanical drum: high
// digits that roll over only near a carry, and a drum column of five
// entries that moves continuously with the value.
#include <array>
#include <cstdint>

#include "zentra/draw/canvas.h"

namespace zentra {

struct RollingMetrics {
    float digitWidth = 0;   // w: "0" in the drum font
    float digitHeight = 0;  // h
    float drumWidth = 0;    // Wd = drum digits x w x 0.8
};

// Measures "0" with the drum font at the readout's anchor.
RollingMetrics measureRollingMetrics(Canvas& canvas, const gfx::Font* drumFont, int drumDigits,
                                     gfx::PointF anchor, const gfx::StringFormat* format);

// Draws the readout of value, showing the integer n (the displayed value,
// already rounded down to the drum step): the drum shows n mod divisor in
// drumDigits digits with leading zeros, stepping by drumStep; the digits
// above it roll when the value's fraction of their place reaches the
// threshold (a 9 below carries its roll up). The caller clips to the drum.
void drawRollingDigits(Canvas& canvas, const gfx::Brush* brush, const gfx::Font* highFont,
                       const gfx::Font* drumFont, double value, int64_t n, int32_t divisor,
                       int32_t drumStep, int32_t drumDigits, gfx::PointF anchor,
                       const RollingMetrics& metrics, int32_t anchorBits, double threshold = 0.9);

// The window's outline: the box with a drum column drumWidth wide at its
// right side reaching drumHeight / 2 above and below the centre line, and a
// pointer triangle of size pointerSize on the centre line, on the right
// (speed window) or on the left (altitude window).
std::array<gfx::PointF, 11> rollingWindowOutline(const gfx::RectF& box, float pointerSize,
                                                 float drumHeight, float drumWidth,
                                                 bool pointerOnRight);

// The clip region of a closed outline.
gfx::Region outlineRegion(const gfx::PointF* points, int count);

// Where the readout is anchored in its window: (left, middle) near,
// (centre, middle) centred, (right, middle) far, by the LEFT / CENTER /
// RIGHT bit of the alignment.
struct ReadoutAnchor {
    gfx::PointF point;
    gfx::StringAlignment alignment = gfx::StringAlignment::Near;
};
ReadoutAnchor rollingReadoutAnchor(const gfx::RectF& box, int32_t alignment);

}  // namespace zentra
