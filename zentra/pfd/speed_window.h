#pragma once
// The speed readout window with its rolling last digits.
#include <array>

#include "platform/gfx/region.h"
#include "zentra/draw/rolling_digits.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

class SpeedWindow {
  public:
    // Measures the drum font, so it needs the canvas scaled to the layout.
    void layout(const PfdSettings& settings, Canvas& canvas, const FontTable& fonts);
    void paint(PfdPaint& p) const;

    const std::array<gfx::PointF, 11>& outline() const { return outline_; }

  private:
    SpeedSettings settings_;
    gfx::RectF box_;
    std::array<gfx::PointF, 11> outline_{};
    gfx::Region clip_;
    RollingMetrics metrics_;
    ReadoutAnchor anchor_;
    int32_t divisor_ = 1;
};

}  // namespace zentra
