#pragma once
// The altitude tape: ticks and labels moving under the centre line, the
// ground band and the autopilot altitude index.
#include <string>

#include "platform/gfx/region.h"
#include "platform/gfx/string_format.h"
#include "zentra/draw/moving_tape.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// AltitudeTapeDisplay, as its names are numbered.
enum class AltitudeLabelForm : int32_t { Full = 0, Hundreds, Thousands, Hundredth, Thousandth };

// The label of tick value v (not negative) in the configured form.
std::wstring altitudeTapeLabel(int64_t v, int32_t form);

class AltitudeTape {
  public:
    // logicalWidth: the display's width in logical units; the clip band spans it.
    void layout(const PfdSettings& settings, float logicalWidth);
    void paint(PfdPaint& p) const;
    const TapeScale& scale() const { return scale_; }
    const TapeGeometry& geometry() const { return tape_; }

  private:
    void drawGroundBand(PfdPaint& p, const TickWindow& window) const;
    void drawApIndex(PfdPaint& p) const;

    TapeGeometry tape_;
    TapeScale scale_;
    gfx::Region clip_;
    gfx::StringFormat labelFormat_;
};

// Draws the autopilot altitude index at value y in the current frame by
// APAltitudeIndexShape; the pen is the engaged one while altitude hold is on.
void drawApAltitudeIndex(PfdPaint& p, float y);

}  // namespace zentra
