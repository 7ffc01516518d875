#include "zentra/pfd/deviation_display.h"

#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

bool ilsScalesShown(DisplayCondition display, bool glideSlopeValid, bool localizerValid) {
    switch (display) {
        case DisplayCondition::Always:
            return true;
        case DisplayCondition::OnSignal:
            return glideSlopeValid && localizerValid;
        case DisplayCondition::Never:
        default:
            return false;
    }
}

void DeviationDisplay::layout(const PfdSettings& settings) {
    const gfx::RectF& v = settings.ilsVerticalBox;
    const gfx::RectF& h = settings.ilsHorizontalBox;
    verticalSpacing_ = 0.2f * v.height;
    verticalCentre_ = {v.x + v.width / 2, v.y + v.height / 2};
    horizontalSpacing_ = 0.2f * h.width;
    horizontalCentre_ = {h.x + h.width / 2, h.y + h.height / 2};
}

void DeviationDisplay::paint(PfdPaint& p) const {
    const AnnunciatorSettings& a = p.settings.annunciators;
    if (!ilsScalesShown(a.ilsDisplay, HsiGsiValid() != 0, HsiCdiValid() != 0)) return;
    DeviationScale scale;
    scale.scaleShape = SymbolShape(a.ilsScaleShape);
    scale.indicatorShape = SymbolShape(a.ilsIndicatorShape);
    scale.scalePen = p.styles.pen(s::kIlsScale);
    scale.indicatorPen = p.styles.pen(s::kIlsIndicator);
    scale.size = float(a.ilsScaleSize);
    scale.spacing = verticalSpacing_;
    scale.centre = verticalCentre_;
    drawVerticalDeviationScale(p.canvas, scale, float(HsiGsiNeedle()));
    scale.spacing = horizontalSpacing_;
    scale.centre = horizontalCentre_;
    drawHorizontalDeviationScale(p.canvas, scale, float(HsiCdiNeedleB()));
}

}  // namespace zentra
