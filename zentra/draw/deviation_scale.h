#pragma once
// The instrument-landing deviation scales: five marks with a centre line
// and an indicator that reaches the outer mark at a deviation of 1.
#include "zentra/draw/canvas.h"
#include "zentra/draw/symbol_shape.h"

namespace zentra {

struct DeviationScale {
    float spacing = 0;  // d: distance between marks
    gfx::PointF centre;
    SymbolShape scaleShape = SymbolShape::None;      // SQUARE, CIRCLE or DIAMOND marks
    SymbolShape indicatorShape = SymbolShape::None;  // also LONG_DIAMOND
    const gfx::Pen* scalePen = nullptr;
    const gfx::Pen* indicatorPen = nullptr;
    float size = 0;  // s
};

// Glide slope: marks along y, the indicator at cy + 2 * deviation * d.
void drawVerticalDeviationScale(Canvas& canvas, const DeviationScale& scale, float deviation);
// Localizer: marks along x, the indicator at cx + 2 * deviation * d.
void drawHorizontalDeviationScale(Canvas& canvas, const DeviationScale& scale, float deviation);

}  // namespace zentra
