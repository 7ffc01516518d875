#include "zentra/pfd/altitude_window.h"

#include <string>

#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/text_format.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

int64_t altitudeWindowValue(int32_t altitudeInt, int32_t drumStep) {
    // A step that is not positive would divide by zero: the value is shown unrounded.
    if (drumStep <= 0) return altitudeInt;
    return int64_t(altitudeInt) / drumStep * drumStep;
}

void AltitudeWindow::layout(PfdPaint& p) {
    const AltitudeSettings& a = p.settings.altitude;
    box_ = p.settings.altitudeWindowBox;
    pointer_ = a.windowTriangleSize;
    digits_ = a.rollingDigits < 2 ? 0 : a.rollingDigits;
    step_ = digits_ == 0 ? 10 : a.rollingStep;
    const float drumHeight = digits_ == 0 ? 0.0f : a.rollingHeight;
    anchor_ = rollingReadoutAnchor(box_, a.windowAlignment);
    format_.setAlignment(anchor_.alignment);
    format_.setLineAlignment(gfx::StringAlignment::Center);
    metrics_ = measureRollingMetrics(p.canvas, p.fonts.font(s::kAltitudeRollingFont), digits_,
                                     anchor_.point, &format_);
    outline_ = rollingWindowOutline(box_, pointer_, drumHeight, metrics_.drumWidth, false);
    clip_ = outlineRegion(outline_.data(), int(outline_.size()));
    divisor_ = powerOfTen(digits_);
}

void AltitudeWindow::paint(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Brush* background = p.styles.brush(s::kAltitudeWindowBackground);
    const gfx::Pen* pen = p.styles.pen(s::kAltitudeWindow);
    if (pointer_ == 0 && digits_ == 0) {
        c.fillRectangle(background, box_.x, box_.y, box_.width, box_.height);
        c.drawRectangle(pen, box_.x, box_.y, box_.width, box_.height);
    } else {
        c.fillPolygon(background, outline_.data(), int(outline_.size()));
        c.drawPolygon(pen, outline_.data(), int(outline_.size()));
    }
    const int64_t n = altitudeWindowValue(IndicatedAltitudeInt(), step_);
    const gfx::Brush* text = p.styles.brush(s::kAltitudeWindowText);
    const gfx::Font* font = p.fonts.font(s::kAltitudeWindowFont);
    if (n < 0) {
        c.drawString(L"NEG", -1, font, box_, &format_, text);
    } else if (digits_ == 0) {
        const std::wstring digits = std::to_wstring(n);
        c.drawString(digits.c_str(), -1, font, anchor_.point, &format_, text);
    } else {
        CanvasContainer drum(c);
        c.setClip(&clip_);
        forceAntiAliasedText(c);
        drawRollingDigits(c, text, font, p.fonts.font(s::kAltitudeRollingFont), IndicatedAltitude(),
                          n, divisor_, step_, digits_, anchor_.point, metrics_,
                          p.settings.altitude.windowAlignment, 0.9);
    }
}

}  // namespace zentra
