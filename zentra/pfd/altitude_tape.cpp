#include "zentra/pfd/altitude_tape.h"

#include <cinttypes>
#include <cstdio>

#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/symbols.h"
#include "zentra/draw/text_anchor.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

std::wstring altitudeTapeLabel(int64_t v, int32_t form) {
    char text[32];
    switch (AltitudeLabelForm(form)) {
        case AltitudeLabelForm::Hundreds:
            std::snprintf(text, sizeof text, "%03" PRId64, v / 100);
            break;
        case AltitudeLabelForm::Thousands:
            std::snprintf(text, sizeof text, "%02" PRId64, v / 1000);
            break;
        case AltitudeLabelForm::Hundredth:
            std::snprintf(text, sizeof text, "%03" PRId64, v % 1000);
            break;
        case AltitudeLabelForm::Thousandth:
            std::snprintf(text, sizeof text, "%04" PRId64, v % 10000);
            break;
        case AltitudeLabelForm::Full:
        default:
            std::snprintf(text, sizeof text, "%" PRId64, v);
            break;
    }
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

void AltitudeTape::layout(const PfdSettings& settings, float logicalWidth) {
    const AltitudeSettings& a = settings.altitude;
    tape_.box = settings.altitudeTapeBox;
    tape_.visibleRange = float(a.visibleRange);
    tape_.step = a.step;
    tape_.alignment = a.alignment;
    tape_.minimum = 0;
    tape_.margin = 1;
    scale_ = layoutTape(tape_);
    clip_ = gfx::Region(gfx::RectF{0, tape_.box.y, logicalWidth, tape_.box.height});
    labelFormat_.setAlignment((a.alignment & TextAnchor::RIGHT) ? gfx::StringAlignment::Far
                                                                : gfx::StringAlignment::Near);
    labelFormat_.setLineAlignment(gfx::StringAlignment::Center);
}

void AltitudeTape::paint(PfdPaint& p) const {
    const AltitudeSettings& a = p.settings.altitude;
    Canvas& c = p.canvas;
    if (p.styles.style(s::kAltitudeTapeBackground).configuredColor !=
        p.styles.style(1).configuredColor) {
        c.fillRectangle(p.styles.brush(s::kAltitudeTapeBackground), tape_.box.x, tape_.box.y,
                        tape_.box.width, tape_.box.height);
    }
    const double value = IndicatedAltitude();
    const TickWindow window = tickWindow(value, tape_.visibleRange, tape_.step, tape_.margin);
    {
        MovingTapeFrame frame(c, &clip_, tape_, scale_, value);
        const gfx::Pen* pen = p.styles.pen(s::kAltitudeTape);
        const gfx::Brush* brush = p.styles.brush(s::kAltitudeTape);
        const gfx::Font* font = p.fonts.font(s::kAltitudeTapeFont);
        const float dir = tickDirection(a.alignment);
        for (int i = 0; i < window.count; ++i) {
            const int64_t v = window.value(i);
            if (v < 0) continue;
            const float y = frame.y(double(v));
            float length = a.smallTickSize;
            if (a.labelStep > 0 && v % a.labelStep == 0) {
                length = a.bigTickSize;
                const std::wstring label = altitudeTapeLabel(v, a.display);
                c.drawString(label.c_str(), -1, font, gfx::PointF{dir * length, y}, &labelFormat_,
                             brush);
            }
            c.drawLine(pen, 0, y, dir * length, y);
        }
        if (a.verticalLine && !a.borderLines && window.count > 0) {
            c.drawLine(pen, 0, 0, 0, frame.y(double(window.last())));
        }
        drawGroundBand(p, window);
        drawApIndex(p);
    }
    if (a.borderLines) {
        const gfx::Pen* pen = p.styles.pen(s::kAltitudeTape);
        const gfx::RectF& b = tape_.box;
        const float edge = a.alignment == TextAnchor::LEFT ? b.x : b.right();
        c.drawLine(pen, edge, b.y, edge, b.bottom());
        c.drawLine(pen, b.x, b.y, b.right(), b.y);
        c.drawLine(pen, b.x, b.bottom(), b.right(), b.bottom());
    }
}

void AltitudeTape::drawGroundBand(PfdPaint& p, const TickWindow& window) const {
    const AltitudeSettings& a = p.settings.altitude;
    const double value = IndicatedAltitude();
    const float k = scale_.k;
    const float g = float((value - HeightAboveLastGround()) * k);
    const float b = float((value - double(window.half)) * k);
    const float width = tape_.box.width;
    Canvas& c = p.canvas;
    switch (a.groundAspect) {
        case GroundAspect::Hatch:
            // Ground below the tape's lower end shows no band.
            if (b > g) c.fillRectangle(p.styles.brush(s::kGroundHatch), 0, g, width, b - g);
            c.drawLine(p.styles.pen(s::kGroundHatch), 0, g, width, g);
            break;
        case GroundAspect::Bar:
            c.drawLine(p.styles.pen(s::kGroundBar), 0, g, 0, b);
            break;
        case GroundAspect::DoubleBar: {
            const float x2 = 2 * a.groundThickness;
            c.drawLine(p.styles.pen(s::kGroundBar), 0, g, 0, b);
            c.drawLine(p.styles.pen(s::kGroundBar), x2, g, x2, b);
            break;
        }
        case GroundAspect::None:
        default:
            break;
    }
}

void AltitudeTape::drawApIndex(PfdPaint& p) const {
    drawApAltitudeIndex(p, float(ApAltitude() * scale_.k));
}

void drawApAltitudeIndex(PfdPaint& p, float y) {
    const int slot = ApAltitudeHold() != 0 ? s::kApEngaged : s::kApArmed;
    if (p.styles.isTransparent(slot)) return;
    const gfx::Pen* pen = p.styles.pen(slot);
    const float size = p.settings.apIndexSize;
    const gfx::PointF at{0, y};
    Canvas& c = p.canvas;
    switch (SymbolShape(p.settings.apAltitudeIndexShape)) {
        case SymbolShape::Triangle:
            drawTriangle(c, pen, at, size, 270);
            break;
        case SymbolShape::ApShapeSmall:
            drawApShapeSmall(c, pen, at, size, 270);
            break;
        case SymbolShape::ApShapeBig:
            drawApShapeBig(c, pen, at, size, 270);
            break;
        case SymbolShape::ApShapeSmallMirrored:
            drawApShapeSmall(c, pen, at, size, 90);
            break;
        case SymbolShape::ApShapeBigMirrored:
            drawApShapeBig(c, pen, at, size, 90);
            break;
        case SymbolShape::DoubleTriangle:
            drawDoubleTriangle(c, pen, at, size, 270);
            break;
        case SymbolShape::DoubleTriangleMirrored:
            drawDoubleTriangle(c, pen, at, size, 90);
            break;
        default:
            break;
    }
}

}  // namespace zentra
