#pragma once
// The speed group's moving tape: ticks, labels, limit bands, the autopilot
// speed index and the fixed speed index.
#include "platform/gfx/region.h"
#include "zentra/draw/moving_tape.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// Autopilot Mach target as an indicated airspeed: the current ratio of
// airspeed to Mach, or 658.5 knots per Mach when that ratio is unusable.
double machToSpeed(double indicatedAirspeed, double mach, double apMach);

// The airspeed the tape and window show: never below the tape's minimum.
double displayedSpeed(const SpeedSettings& settings);

class SpeedTape {
  public:
    void layout(const PfdSettings& settings, float logicalWidth);
    void paint(PfdPaint& p) const;
    // The index at the tape's middle, used when there is no speed window.
    void paintFixedIndex(PfdPaint& p) const;

    const TapeGeometry& geometry() const { return tape_; }
    const TapeScale& scale() const { return scale_; }

  private:
    void drawTicks(PfdPaint& p, const MovingTapeFrame& frame, const TickWindow& window) const;
    void drawBands(PfdPaint& p, const MovingTapeFrame& frame, const TickWindow& window,
                   double u) const;
    void drawApIndex(PfdPaint& p, const MovingTapeFrame& frame) const;
    void drawBorderLines(PfdPaint& p) const;

    SpeedSettings settings_;
    TapeGeometry tape_;
    TapeScale scale_;
    gfx::Region clip_;
    int32_t apShape_ = 0;
    float apSize_ = 0;
};

}  // namespace zentra
