#include "zentra/pfd/speed_window.h"

#include <cmath>
#include <string>

#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/text_format.h"
#include "zentra/pfd/pfd_styles.h"
#include "zentra/pfd/speed_tape.h"

namespace zentra {

namespace {

constexpr double kRollThreshold = 0.9;

}  // namespace

void SpeedWindow::layout(const PfdSettings& settings, Canvas& canvas, const FontTable& fonts) {
    settings_ = settings.speed;
    box_ = settings.speedWindowBox;
    anchor_ = rollingReadoutAnchor(box_, settings_.windowAlignment);
    gfx::StringFormat format;
    format.setAlignment(anchor_.alignment);
    format.setLineAlignment(gfx::StringAlignment::Center);
    metrics_ = measureRollingMetrics(canvas, fonts.font(kFontSpeedRolling), settings_.rollingDigits,
                                     anchor_.point, &format);
    outline_ = rollingWindowOutline(box_, float(settings_.windowTriangleSize),
                                    float(settings_.rollingHeight), metrics_.drumWidth, true);
    clip_ = outlineRegion(outline_.data(), int(outline_.size()));
    divisor_ = powerOfTen(settings_.rollingDigits);
}

void SpeedWindow::paint(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Brush* background = p.styles.brush(kStyleSpeedWindowBackground);
    const gfx::Pen* outlinePen = p.styles.pen(kStyleSpeedWindow);
    const int digits = settings_.rollingDigits;
    if (settings_.windowTriangleSize == 0 && digits == 0) {
        c.fillRectangle(background, box_.x, box_.y, box_.width, box_.height);
        c.drawRectangle(outlinePen, box_.x, box_.y, box_.width, box_.height);
    } else {
        c.fillPolygon(background, outline_.data(), int(outline_.size()));
        c.drawPolygon(outlinePen, outline_.data(), int(outline_.size()));
    }
    const double u = displayedSpeed(settings_);
    const gfx::Brush* text = p.styles.brush(kStyleSpeedWindowText);
    if (digits <= 0) {
        gfx::StringFormat format;
        format.setAlignment(anchor_.alignment);
        format.setLineAlignment(gfx::StringAlignment::Center);
        const std::wstring value = std::to_wstring(static_cast<long long>(std::trunc(u)));
        c.drawString(value.c_str(), -1, p.fonts.font(kFontSpeedWindow), anchor_.point, &format,
                     text);
        return;
    }
    {
        CanvasContainer rolling(c);
        c.setClip(&clip_);
        forceAntiAliasedText(c);
        drawRollingDigits(c, text, p.fonts.font(kFontSpeedWindow), p.fonts.font(kFontSpeedRolling),
                          u, static_cast<int64_t>(std::trunc(u)), divisor_, settings_.rollingStep,
                          digits, anchor_.point, metrics_, settings_.windowAlignment,
                          kRollThreshold);
    }
    c.resetClip();
}

}  // namespace zentra
