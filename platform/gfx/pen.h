#pragma once
// Outline settings. The width is in world units (it scales with the world
// transform) unless the unit is Pixel or Display (device pixels). Outlines
// never get thinner than one device pixel.
#include <vector>

#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

class Pen {
  public:
    explicit Pen(Argb color, float width = 1.0f, Unit unit = Unit::World);

    Status setColor(Argb color);
    Argb color() const { return color_; }
    Status getColor(Argb* color) const;
    Status setWidth(float width);
    float width() const { return width_; }
    Unit unit() const { return unit_; }

    // Dash and gap lengths in pen widths; an empty pattern draws solid.
    // Every entry must be positive.
    Status setDashPattern(const float* dashes, int count);
    Status clearDashPattern();
    const std::vector<float>& dashPattern() const { return dashes_; }
    Status setDashOffset(float offset);  // in pen widths
    float dashOffset() const { return dashOffset_; }

    Status setStartCap(LineCap cap);
    Status setEndCap(LineCap cap);
    Status setLineCap(LineCap startCap, LineCap endCap);
    LineCap startCap() const { return startCap_; }
    LineCap endCap() const { return endCap_; }
    Status setLineJoin(LineJoin join);
    LineJoin lineJoin() const { return join_; }

    Pen clone() const { return *this; }

  private:
    Argb color_;
    float width_;
    Unit unit_;
    std::vector<float> dashes_;
    float dashOffset_ = 0;
    LineCap startCap_ = LineCap::Flat;
    LineCap endCap_ = LineCap::Flat;
    LineJoin join_ = LineJoin::Miter;
};

}  // namespace platform::gfx
