#include "zentra/pfd/vertical_speed.h"

#include <algorithm>
#include <cmath>

#include "zentra/draw/rolling_digits.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

namespace {

constexpr float kMaxRate = 4000.0f;
// Marks 6, 4, 2 and 0 carry these labels, in thousands of feet per minute.
constexpr const wchar_t* kLabels[4] = {L"4", L"2", L"1", L"0"};

}  // namespace

float vsNeedleOffset(double feetPerMinute, float u) {
    if (std::isnan(feetPerMinute)) return 0;
    const float v = float(std::clamp(feetPerMinute, double(-kMaxRate), double(kMaxRate)));
    if (std::fabs(v) <= 2000) return v * 0.002f * u;
    return std::copysign(4 * u + (std::fabs(v) - 2000) * 0.001f * u, v);
}

void VerticalSpeedIndicator::layout(PfdPaint& p) {
    const PfdSettings& set = p.settings;
    const AnnunciatorSettings& a = set.annunciators;
    box_ = set.vsBox;
    const float x = box_.x, y = box_.y, w = box_.width, h = box_.height;
    cy_ = y + h / 2;
    pivot_ = {x + 2 * w, cy_};
    gfx::RectF four;
    gfx::StringFormat measure;
    if (p.canvas.measureString(L"4", 1, p.fonts.font(s::kVsFont), {0, 0}, &measure, &four) ==
        gfx::Status::Ok) {
        tw_ = four.width;
        th_ = four.height;
    }
    x0_ = a.vsDigitsVisible ? x + tw_ : x;
    u_ = (cy_ - (y + tw_ / 2)) / 6;

    float d = 0, top = cy_, bottom = cy_;
    if (set.altitude.window) {
        const gfx::RectF& wb = set.altitudeWindowBox;
        d = std::max(0.0f, wb.right() - x);
        const float drum = set.altitude.rollingDigits < 2 ? 0.0f : set.altitude.rollingHeight;
        if (drum > 0) {
            const float wcy = wb.y + wb.height / 2;
            top = wcy - drum / 2;
            bottom = wcy + drum / 2;
        } else {
            top = wb.y;
            bottom = wb.bottom();
        }
        top -= d;
        bottom += d;
    }
    outline_ = {gfx::PointF{x, y},    {x, top},      {x + d, top + d},   {x + d, bottom - d},
                {x, bottom},          {x, y + h},    {x + w / 2, y + h}, {x + w, cy_ + h / 3},
                {x + w, cy_ - h / 3}, {x + w / 2, y}};
    clip_ = outlineRegion(outline_.data(), int(outline_.size()));
}

void VerticalSpeedIndicator::paint(PfdPaint& p) const {
    const AnnunciatorSettings& a = p.settings.annunciators;
    if (!a.vsDisplay || VsShape(a.vsShape) != VsShape::Needle) return;
    Canvas& c = p.canvas;
    c.setClip(&clip_);
    if (p.styles.style(s::kVsBackground).configuredColor != p.styles.style(1).configuredColor &&
        !p.styles.isTransparent(s::kVsBackground)) {
        c.fillPolygon(p.styles.brush(s::kVsBackground), outline_.data(), int(outline_.size()));
    }
    const gfx::Pen* pen = p.styles.pen(s::kVsScale);
    const gfx::Brush* brush = p.styles.brush(s::kVsScale);
    const gfx::Font* font = p.fonts.font(s::kVsFont);
    const float big = a.vsBigTickSize, small = a.vsSmallTickSize;
    const float x = box_.x;
    // The angle of the line from the upper mark 6 to the pivot.
    const float theta = std::atan2(6 * u_, pivot_.x - x0_);
    gfx::StringFormat topLeft;
    for (int n = 6; n >= 0; --n) {
        for (float side : {-1.0f, 1.0f}) {
            if (n == 0 && side > 0) continue;  // one centre mark
            const float my = cy_ + side * float(n) * u_;
            if (n % 2 == 0) {
                if (a.vsDigitsVisible) {
                    c.drawString(kLabels[(6 - n) / 2], -1, font, gfx::PointF{x, my - th_ / 2},
                                 &topLeft, brush);
                }
                if (a.vsRadialTicks) {
                    c.drawLine(pen, x0_, my, pivot_.x, pivot_.y);
                } else {
                    c.drawLine(pen, x0_, my, x0_ + big, my);
                }
            } else if (a.vsRadialTicks) {
                const float r = big - small;
                c.drawLine(pen, x0_ + r * std::cos(theta), my - side * r * std::sin(theta),
                           pivot_.x, pivot_.y);
            } else if (a.vsDigitsVisible) {
                c.drawLine(pen, x0_ + big - small, my, x0_ + big, my);
            } else {
                c.drawLine(pen, x0_, my, x0_ + small, my);
            }
        }
    }
    const double vs = VerticalSpeed();
    const float xs = a.vsDigitsVisible && !a.vsRadialTicks ? x0_ + big : x0_;
    const int slot = std::fabs(vs) > a.vsHighThreshold ? s::kVsHighNeedle : s::kVsNeedle;
    c.drawLine(p.styles.pen(slot), pivot_.x, pivot_.y, xs, cy_ - vsNeedleOffset(vs, u_));
    c.resetClip();
}

}  // namespace zentra
