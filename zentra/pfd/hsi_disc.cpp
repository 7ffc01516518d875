// The HSI's compass disc: card, ticks and labels turning with the heading,
// autopilot heading index and heading line, fixed marks, bearing needles.
#include <cmath>
#include <string>

#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/symbols.h"
#include "zentra/draw/text_format.h"
#include "zentra/pfd/hsi_display.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

namespace {

int wrapDegrees(int64_t d) { return int(((d % 360) + 360) % 360); }

int64_t truncated(double v) { return int64_t(std::trunc(v)); }

}  // namespace

void HsiDisplay::paintDisc(PfdPaint& p) {
    const HsiSettings& h = p.settings.hsi;
    Canvas& c = p.canvas;
    const float r = h.radius;
    const float cx = h.center.x, cy = h.center.y;
    const double heading = Heading();
    if (p.styles.style(s::kHsiBackground).configuredColor != p.styles.style(1).configuredColor &&
        !p.styles.isTransparent(s::kHsiBackground)) {
        c.fillEllipse(p.styles.brush(s::kHsiBackground), cx - r, cy - r, 2 * r, 2 * r);
    }
    if (h.borderLine) c.drawEllipse(p.styles.pen(s::kHsiForeground), cx - r, cy - r, 2 * r, 2 * r);

    CanvasContainer centred(c);
    c.translateTransform(cx, cy);
    p.format.setAlignment(gfx::StringAlignment::Center);
    p.format.setLineAlignment(gfx::StringAlignment::Center);
    applyRenderingQuality(c, p.quality, false);
    {
        CanvasContainer card(c);
        c.rotateTransform(float(-heading));
        drawDiscTicks(p, heading);
        drawDiscApIndex(p);
    }
    if (h.index) {
        const gfx::Pen* pen = p.styles.pen(s::kHsiForeground);
        for (float angle : kHsiIndexMarks) {
            CanvasContainer mark(c);
            c.rotateTransform(angle);
            c.drawLine(pen, 0, -r, 0, -r - h.indexSize);
        }
    }
    fillNeedles(p);
    drawNavNeedles(c, needles_);
}

void HsiDisplay::drawDiscTicks(PfdPaint& p, double heading) const {
    const HsiSettings& h = p.settings.hsi;
    Canvas& c = p.canvas;
    const float r = h.radius;
    // Beyond a full turn each way the card only repeats itself.
    const double range = std::fmin(std::fabs(double(h.visibleRange)), 360.0);
    const double hd = std::isfinite(heading) ? std::fmod(heading, 3600.0) : 0.0;
    const int64_t start = 10 * (truncated(hd - range) / 10);
    const int64_t end = 10 * (truncated(hd + range) / 10 + 1);
    const float sign =
        HsiTickOrientation(h.tickOrientation) == HsiTickOrientation::Exterior ? -1.0f : 1.0f;
    const gfx::Pen* pen = p.styles.pen(s::kHsiForeground);
    const gfx::Brush* brush = p.styles.brush(s::kHsiText);
    const gfx::PointF labelAt{0, -h.labelRadius};
    for (int64_t d = start; d < end; d += 5) {
        CanvasContainer turned(c);
        c.rotateTransform(float(d));
        forceAntiAliasedText(c);
        float length = 0;
        if (d % 30 == 0) {
            const std::wstring label = compassLabel(wrapDegrees(d));
            c.drawString(label.c_str(), -1, p.fonts.font(s::kHsiFont), labelAt, &p.format, brush);
            length = h.bigTickSize;
        } else if (d % 10 == 0) {
            length = h.smallTickSize;
            if (h.smallDigits) {
                const std::wstring label = std::to_wstring(wrapDegrees(d) / 10);
                c.drawString(label.c_str(), -1, p.fonts.font(s::kHsiSmallFont), labelAt, &p.format,
                             brush);
            }
        } else {
            length = h.verySmallTickSize;
        }
        c.drawLine(pen, 0, -r, 0, -r + sign * length);
    }
}

void HsiDisplay::drawDiscApIndex(PfdPaint& p) {
    const HsiSettings& h = p.settings.hsi;
    Canvas& c = p.canvas;
    const bool hold = ApHeadingHold() != 0;
    const int slot = AutopilotOn() != 0 && hold ? s::kApEngaged : s::kApArmed;
    if (p.styles.isTransparent(slot)) return;
    const gfx::Pen* pen = p.styles.pen(slot);
    const float r = h.radius, size = p.settings.apIndexSize;
    const double apHeading = ApHeading();
    CanvasContainer turned(c);
    if (p.quality.antiAliasing) c.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
    c.rotateTransform(float(apHeading));
    const gfx::PointF at{0, -r};
    switch (SymbolShape(p.settings.apHeadingIndexShape)) {
        case SymbolShape::Triangle:
            drawTriangle(c, pen, at, size, 0);
            break;
        case SymbolShape::ApShapeSmall:
            drawApShapeSmall(c, pen, at, size, 0);
            break;
        case SymbolShape::ApShapeBig:
            drawApShapeBig(c, pen, at, size, 0);
            break;
        case SymbolShape::ApShapeSmallMirrored:
            drawApShapeSmall(c, pen, at, size, 180);
            break;
        case SymbolShape::ApShapeBigMirrored:
            drawApShapeBig(c, pen, at, size, 180);
            break;
        case SymbolShape::DoubleTriangle:
            drawDoubleTriangle(c, pen, at, size, 0);
            break;
        default:
            break;
    }
    if (headingLine_.shown(apHeading, SimTime(), h.headingLineTime, hold,
                           HeadingLineStyle(h.headingLineStyle))) {
        c.drawLine(p.styles.pen(hold ? s::kHeadingLineHold : s::kHeadingLine), 0, 0, 0, -r);
    }
}

void HsiDisplay::fillNeedles(PfdPaint& p) {
    const StyleTable& st = p.styles;
    const bool gps = GpsDrivesNav() != 0;
    needles_.dotPen = st.pen(s::kHsiForeground);
    needles_.vor1Pen = st.pen(s::kVor1Needle);
    needles_.vor2Pen = st.pen(s::kVor2Needle);
    needles_.adfPen = st.pen(s::kAdfNeedle);
    needles_.coursePen = st.pen(gps ? s::kGpsNeedle : s::kCourseNeedle);
    needles_.deviationPen = st.pen(s::kDeviationBar);
    needles_.toFromBrush = st.brush(s::kToFromBackground);
    needles_.vor1Angle = float(Vor1Bearing());
    needles_.vor2Angle = float(Vor2Bearing());
    needles_.adfAngle = float(AdfRelativeBearing());
    needles_.courseAngle = float(NavCourse(1) - Heading());
    needles_.deviation = float(HsiCdiNeedle());
    needles_.toFrom = gps ? 0.0f : float(HsiToFromFlag());
    needles_.deviationBarVisible = NavFlag(1) != 0;
    needles_.vor1Visible = NavFlag(1) != 0 && NavIdent(1)[0] != '\0';
    needles_.vor2Visible = NavFlag(2) != 0 && NavIdent(2)[0] != '\0';
    needles_.adfVisible = AdfSignal() != 0 && AdfIdent()[0] != '\0';
    needles_.courseVisible = true;
}

}  // namespace zentra
