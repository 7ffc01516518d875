#include "zentra/draw/deviation_scale.h"

#include <cmath>

#include "zentra/draw/symbols.h"

namespace zentra {

namespace {

using P = gfx::PointF;

void drawMark(Canvas& canvas, const gfx::Pen* pen, SymbolShape shape, P at, float m) {
    switch (shape) {
        case SymbolShape::Square:
            canvas.drawRectangle(pen, at.x - m, at.y - m, 2 * m, 2 * m);
            break;
        case SymbolShape::Circle:
            drawCircle(canvas, pen, at, m);
            break;
        case SymbolShape::Diamond:
            drawDiamond(canvas, pen, at, m);
            break;
        default:
            break;
    }
}

void drawScale(Canvas& canvas, const DeviationScale& scale, float deviation, bool vertical) {
    const P c = scale.centre;
    const float d = scale.spacing;
    const float s = scale.size;
    for (int i = 0; i < 5; ++i) {
        const float offset = float(i - 2) * d;
        if (i == 2) {
            if (vertical) {
                canvas.drawLine(scale.scalePen, c.x - s, c.y, c.x + s, c.y);
            } else {
                canvas.drawLine(scale.scalePen, c.x, c.y - s, c.x, c.y + s);
            }
            continue;
        }
        const P at = vertical ? P{c.x, c.y + offset} : P{c.x + offset, c.y};
        drawMark(canvas, scale.scalePen, scale.scaleShape, at, 0.7f * s);
    }

    // A deviation that is not a number has no place on the scale.
    if (!std::isfinite(deviation)) return;
    const float shift = 2 * deviation * d;
    const P at = vertical ? P{c.x, c.y + shift} : P{c.x + shift, c.y};
    if (scale.indicatorShape == SymbolShape::LongDiamond) {
        // Stretched along the direction the indicator moves.
        drawLongDiamond(canvas, scale.indicatorPen, at, s, vertical ? 1 : 0);
    } else {
        drawMark(canvas, scale.indicatorPen, scale.indicatorShape, at, s);
    }
}

}  // namespace

void drawVerticalDeviationScale(Canvas& canvas, const DeviationScale& scale, float deviation) {
    drawScale(canvas, scale, deviation, true);
}

void drawHorizontalDeviationScale(Canvas& canvas, const DeviationScale& scale, float deviation) {
    drawScale(canvas, scale, deviation, false);
}

}  // namespace zentra
