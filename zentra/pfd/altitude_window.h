#pragma once
// The altitude readout: a window pointing at the tape, high digits and a
// two-digit drum, "NEG" below zero.
#include <array>
#include <cstdint>

#include "platform/gfx/region.h"
#include "platform/gfx/string_format.h"
#include "zentra/draw/rolling_digits.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// The displayed value: the integer altitude cut to the drum step, towards zero.
int64_t altitudeWindowValue(int32_t altitudeInt, int32_t drumStep);

class AltitudeWindow {
  public:
    // Measures with the drum font, so it needs the canvas.
    void layout(PfdPaint& p);
    void paint(PfdPaint& p) const;

    int32_t drumDigits() const { return digits_; }
    int32_t drumStep() const { return step_; }
    const std::array<gfx::PointF, 11>& outline() const { return outline_; }

  private:
    gfx::RectF box_;
    float pointer_ = 0;
    int32_t digits_ = 0;
    int32_t step_ = 10;
    int32_t divisor_ = 1;
    RollingMetrics metrics_;
    ReadoutAnchor anchor_;
    std::array<gfx::PointF, 11> outline_{};
    gfx::Region clip_;
    gfx::StringFormat format_;
};

}  // namespace zentra
