#include "zentra/pfd/speed_tape.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/symbols.h"
#include "zentra/draw/text_anchor.h"
#include "zentra/pfd/pfd_styles.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

constexpr int32_t kSpeedTapeMargin = 2;
constexpr double kKnotsPerMach = 658.5;
constexpr double kLowestMachRatioSpeed = 60.0;

}  // namespace

double machToSpeed(double indicatedAirspeed, double mach, double apMach) {
    if (mach != 0 && indicatedAirspeed >= kLowestMachRatioSpeed) {
        return indicatedAirspeed / mach * apMach;
    }
    return apMach * kKnotsPerMach;
}

double displayedSpeed(const SpeedSettings& settings) {
    const double ias = IndicatedAirspeed();
    return ias > settings.speedMin ? ias : double(settings.speedMin);
}

void SpeedTape::layout(const PfdSettings& settings, float logicalWidth) {
    settings_ = settings.speed;
    apShape_ = settings.apSpeedIndexShape;
    apSize_ = settings.apIndexSize;
    tape_.box = settings.speedTapeBox;
    tape_.visibleRange = float(settings_.visibleRange);
    tape_.step = settings_.step;
    tape_.alignment = settings_.alignment;
    tape_.minimum = int32_t(settings_.speedMin);
    tape_.margin = kSpeedTapeMargin;
    scale_ = layoutTape(tape_);
    clip_ = gfx::Region(gfx::RectF{0, tape_.box.y, logicalWidth, tape_.box.height});
}

void SpeedTape::paint(PfdPaint& p) const {
    Canvas& c = p.canvas;
    if (p.styles.style(kStyleSpeedTapeBackground).configuredColor !=
        p.styles.style(kStyleBackground).configuredColor) {
        c.fillRectangle(p.styles.brush(kStyleSpeedTapeBackground), tape_.box.x, tape_.box.y,
                        tape_.box.width, tape_.box.height);
    }
    const double u = displayedSpeed(settings_);
    const TickWindow window = tickWindow(u, tape_.visibleRange, tape_.step, tape_.margin);
    {
        MovingTapeFrame frame(c, &clip_, tape_, scale_, u);
        drawTicks(p, frame, window);
        if (settings_.verticalLine && !settings_.borderLines && window.count > 0) {
            c.drawLine(p.styles.pen(kStyleSpeedTape), 0, frame.y(settings_.speedMin), 0,
                       frame.y(double(window.last())));
        }
        drawBands(p, frame, window, u);
        drawApIndex(p, frame);
    }
    if (settings_.borderLines) drawBorderLines(p);
}

void SpeedTape::drawTicks(PfdPaint& p, const MovingTapeFrame& frame,
                          const TickWindow& window) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleSpeedTape);
    const gfx::Brush* brush = p.styles.brush(kStyleSpeedTape);
    const gfx::Font* font = p.fonts.font(kFontSpeedTape);
    const float direction = tickDirection(settings_.alignment);
    gfx::StringFormat format;
    format.setAlignment((settings_.alignment & TextAnchor::RIGHT) ? gfx::StringAlignment::Far
                                                                  : gfx::StringAlignment::Near);
    format.setLineAlignment(gfx::StringAlignment::Center);
    wchar_t label[24];
    for (int i = 0; i < window.count; ++i) {
        const int64_t v = window.value(i);
        if (double(v) < settings_.speedMin) continue;
        const bool big = v % 10 == 0 && settings_.step <= 10;
        const float length = direction * (big ? settings_.bigTickSize : settings_.smallTickSize);
        const float y = frame.y(double(v));
        c.drawLine(pen, 0, y, length, y);
        if (v % 20 == 0) {
            const int n = std::swprintf(label, 24, L"%03lld", static_cast<long long>(v));
            c.drawString(label, n, font, gfx::PointF{2 * length, y}, &format, brush);
        }
    }
}

void SpeedTape::drawBands(PfdPaint& p, const MovingTapeFrame& frame, const TickWindow& window,
                          double u) const {
    if (OnGround() != 0) return;
    Canvas& c = p.canvas;
    const double min = settings_.speedMin;
    const double half = double(window.half);
    const float h = settings_.scaleHeight;
    // A scale height that is not positive would never reach the band's end.
    const bool dotsUsable = h > 0;

    const double maxSpeed = MaximumSpeed();
    const LimitBand maxShape = settings_.maxSpeedShape;
    if (maxShape != LimitBand::None && maxSpeed > 0) {
        const float e = frame.y(std::max(maxSpeed, min));
        const float f = frame.y(u + half);
        const float w = settings_.maxSpeedWidth;
        if (maxShape == LimitBand::Line || maxShape == LimitBand::Scale) {
            c.drawLine(p.styles.pen(kStyleMaxSpeedPen), w, e, w, f);
        }
        if ((maxShape == LimitBand::Dots || maxShape == LimitBand::Scale) && dotsUsable) {
            for (float y = e; y >= f; y -= 2 * h) {
                c.fillRectangle(p.styles.brush(kStyleMaxSpeedFill), 0, y - h, w, h);
            }
        }
    }

    const double minSpeed = MinimumSpeed();
    const LimitBand minShape = settings_.minSpeedShape;
    if (minShape != LimitBand::None && minSpeed > 0) {
        const float e = frame.y(std::max(minSpeed, min));
        const float f = frame.y(u - half);
        const float w = settings_.minSpeedWidth;
        if (minShape == LimitBand::Line || minShape == LimitBand::Scale) {
            c.drawLine(p.styles.pen(kStyleMinSpeedPen), w, e, w, f);
        }
        if ((minShape == LimitBand::Dots || minShape == LimitBand::Scale) && dotsUsable) {
            for (float y = e; y <= f; y += 2 * h) {
                c.fillRectangle(p.styles.brush(kStyleMinSpeedFill), 0, y, w, h);
            }
        }
    }
}

void SpeedTape::drawApIndex(PfdPaint& p, const MovingTapeFrame& frame) const {
    const int slot = (ApSpeedHold() != 0 || ApMachHold() != 0) ? kStyleApEngaged : kStyleApArmed;
    if (p.styles.isTransparent(slot)) return;
    double speed = ApSpeed();
    if (p.machSelected) speed = machToSpeed(IndicatedAirspeed(), Mach(), ApMach());
    if (!(speed > settings_.speedMin)) speed = settings_.speedMin;
    const gfx::PointF anchor{0, frame.y(speed)};
    const gfx::Pen* pen = p.styles.pen(slot);
    Canvas& c = p.canvas;
    switch (SymbolShape(apShape_)) {
        case SymbolShape::Triangle:
            drawTriangle(c, pen, anchor, apSize_, 90);
            break;
        case SymbolShape::ApShapeSmall:
            drawApShapeSmall(c, pen, anchor, apSize_, 90);
            break;
        case SymbolShape::ApShapeBig:
            drawApShapeBig(c, pen, anchor, apSize_, 90);
            break;
        case SymbolShape::ApShapeSmallMirrored:
            drawApShapeSmall(c, pen, anchor, apSize_, 270);
            break;
        case SymbolShape::ApShapeBigMirrored:
            drawApShapeBig(c, pen, anchor, apSize_, 270);
            break;
        case SymbolShape::DoubleTriangle:
            drawDoubleTriangle(c, pen, anchor, apSize_, 90);
            break;
        case SymbolShape::DoubleTriangleMirrored:
            drawDoubleTriangle(c, pen, anchor, apSize_, 270);
            break;
        default:
            break;
    }
}

void SpeedTape::drawBorderLines(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleSpeedTape);
    const gfx::RectF& b = tape_.box;
    // The edge the ticks start from, as the tape frame places it.
    const float x = tapeEdgeX(tape_);
    c.drawLine(pen, x, b.y, x, b.bottom());
    c.drawLine(pen, b.x, b.y, b.right(), b.y);
    c.drawLine(pen, b.x, b.bottom(), b.right(), b.bottom());
}

void SpeedTape::paintFixedIndex(PfdPaint& p) const {
    const gfx::RectF& b = tape_.box;
    const float cy = b.y + b.height / 2;
    const SymbolShape shape = SymbolShape(settings_.indexShape);
    if (shape == SymbolShape::Line || shape == SymbolShape::LineTriangle) {
        p.canvas.drawLine(p.styles.pen(kStyleSpeedIndexPen), b.x, cy, b.right(), cy);
    }
    if (shape == SymbolShape::Triangle || shape == SymbolShape::LineTriangle) {
        fillTriangle(p.canvas, p.styles.brush(kStyleSpeedIndexFill), {b.right(), cy},
                     settings_.indexSize, 90);
    }
}

}  // namespace zentra
