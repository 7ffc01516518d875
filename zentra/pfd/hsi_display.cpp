#include "zentra/pfd/hsi_display.h"

#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/symbols.h"
#include "zentra/pfd/pfd_group_slots.h"

namespace zentra {

namespace s = pfd_slots;

double tapeApHeading(double heading, double apHeading, float visibleRange) {
    const double q = visibleRange * 0.5;
    double b = apHeading;
    if (heading <= q && b >= 360 - q) b -= 360;
    if (b <= q && heading >= 360 - q) b += 360;
    return b;
}

bool HeadingLineTimer::shown(double apHeading, double simTime, float lineTime, bool headingHold,
                             HeadingLineStyle style) {
    if (apHeading != lastApHeading_) {
        lastApHeading_ = apHeading;
        changedAt_ = simTime;
    }
    // Style NONE means no heading line, whatever the time says.
    if (style == HeadingLineStyle::None) return false;
    if (lineTime > 0) return simTime <= changedAt_ + lineTime;
    if (lineTime < 0) return headingHold;
    return false;
}

void HsiDisplay::layout(const PfdSettings& settings, const RenderingQuality& quality) {
    const HsiSettings& h = settings.hsi;
    const gfx::RectF& box = h.tapeBox;
    if (HsiShape(h.shape) == HsiShape::Disc) {
        reference_ = {h.center.x, h.center.y - h.radius};
    } else {
        reference_ = {box.x + box.width / 2, box.y};
    }
    // A range of 0 would spread one degree over infinity: the tape stands still.
    tapeScale_ = h.visibleRange != 0 ? box.width / h.visibleRange : 0;
    tapeClip_ = gfx::Region(gfx::RectF{box.x, -1e6f, box.width, 2e6f});
    tapeFormat_.setAlignment(gfx::StringAlignment::Center);
    tapeFormat_.setLineAlignment(gfx::StringAlignment::Near);

    needles_ = NavNeedleSet{};
    needles_.antiAlias = quality.antiAliasing;
    needles_.radius = h.radius;
    const PointerSettings& v1 = h.pointers[0];
    const PointerSettings& v2 = h.pointers[1];
    const PointerSettings& adf = h.pointers[2];
    needles_.vor1HeadSize = float(v1.arrowSize);
    needles_.vor2HeadSize = float(v2.arrowSize);
    needles_.adfHeadSize = float(adf.arrowSize);
    needles_.courseHeadSize = float(h.obiArrowSize);
    needles_.vor1Closed = v1.arrowClosed;
    needles_.vor2Closed = v2.arrowClosed;
    needles_.adfClosed = adf.arrowClosed;
    needles_.courseClosed = h.obiArrowClosed;
    needles_.vor1Shape = ArrowShape(v1.arrowShape);
    needles_.vor2Shape = ArrowShape(v2.arrowShape);
    needles_.adfShape = ArrowShape(adf.arrowShape);
    needles_.courseShape = ArrowShape(h.obiArrowShape);
    needles_.vor1Spacing = float(v1.arrowSpacing);
    needles_.vor2Spacing = float(v2.arrowSpacing);
    needles_.adfSpacing = float(adf.arrowSpacing);
    needles_.spare = float(h.obiArrowSpacing);
    needles_.dotRadius = float(h.obiCircleSize);
    needles_.toFromSize = float(h.obiFromToSize);
    needles_.toFromLocation = h.obiFromToLocation;
}

void HsiDisplay::paint(PfdPaint& p) {
    const HsiSettings& h = p.settings.hsi;
    if (!h.display) return;
    needles_.toFromTransparent = p.styles.isTransparent(s::kToFromBackground);
    if (HsiShape(h.shape) == HsiShape::Tape) {
        paintTape(p);
    } else {
        paintDisc(p);
    }
    drawFixedIndex(p);
}

void HsiDisplay::drawFixedIndex(PfdPaint& p) const {
    const HsiSettings& h = p.settings.hsi;
    if (!(h.indexSize > 0)) return;
    const SymbolShape shape = SymbolShape(h.indexShape);
    const gfx::Pen* pen = p.styles.pen(s::kHsiIndex);
    if (shape == SymbolShape::Triangle || shape == SymbolShape::LineTriangle) {
        drawTriangle(p.canvas, pen, reference_, h.indexSize, 0);
    }
    if (shape == SymbolShape::Line || shape == SymbolShape::LineTriangle) {
        const float end = HsiShape(h.shape) == HsiShape::Disc ? h.center.y : h.tapeBox.bottom();
        p.canvas.drawLine(pen, reference_.x, reference_.y, reference_.x, end);
    }
}

}  // namespace zentra
