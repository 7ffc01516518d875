#pragma once
// The vertical speed indicator: a needle from a pivot right of the box over
// a scale of 0, 1, 2 and 4 thousand feet per minute each way.
#include <array>

#include "platform/gfx/region.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// VSShape, as its names are numbered.
enum class VsShape : int32_t { Scale = 0, Needle, Arc };

// The needle's distance above the centre line for a vertical speed, in
// units u: 1000 fpm on mark 2, 2000 on mark 4, 4000 and beyond on mark 6.
float vsNeedleOffset(double feetPerMinute, float u);

class VerticalSpeedIndicator {
  public:
    // Measures with the scale font, so it needs the canvas.
    void layout(PfdPaint& p);
    void paint(PfdPaint& p) const;

    gfx::PointF pivot() const { return pivot_; }
    float unit() const { return u_; }
    float scaleX() const { return x0_; }
    float centreY() const { return cy_; }

  private:
    gfx::RectF box_;
    gfx::PointF pivot_;
    float cy_ = 0;
    float tw_ = 0, th_ = 0;
    float x0_ = 0;
    float u_ = 0;
    std::array<gfx::PointF, 10> outline_{};
    gfx::Region clip_;
};

}  // namespace zentra
