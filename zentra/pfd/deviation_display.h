#pragma once
// The glide slope and localizer scales beside and below the attitude display.
#include "zentra/draw/deviation_scale.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// Whether the scales show for ILSDisplay and the two validity flags.
bool ilsScalesShown(DisplayCondition display, bool glideSlopeValid, bool localizerValid);

class DeviationDisplay {
  public:
    void layout(const PfdSettings& settings);
    void paint(PfdPaint& p) const;

  private:
    float verticalSpacing_ = 0, horizontalSpacing_ = 0;
    gfx::PointF verticalCentre_, horizontalCentre_;
};

}  // namespace zentra
