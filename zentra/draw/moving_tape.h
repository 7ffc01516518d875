#pragma once
// The frame shared by the vertical moving tapes (speed, altitude): the tape
// scrolls under a fixed centre line, larger values higher up.
#include <cstdint>

#include "zentra/draw/canvas.h"

namespace zentra {

struct TapeGeometry {
    gfx::RectF box;          // logical units
    float visibleRange = 0;  // V: value units over the box height
    int32_t step = 0;        // S: value units between ticks
    int32_t alignment = 0;   // TextAnchor; its LEFT bit puts the edge left
    int32_t minimum = 0;     // values below are not drawn
    int32_t margin = 0;      // extra ticks beyond half the range: 2 speed, 1 altitude
};

// Derived when the layout is marked dirty.
struct TapeScale {
    float centreY = 0;  // yc = top + height / 2
    float k = 0;        // logical units per value unit, negative (up is more)
};

TapeScale layoutTape(const TapeGeometry& tape);

// The reference edge the ticks start from: the box's left edge when the
// alignment has LEFT, else its right edge.
float tapeEdgeX(const TapeGeometry& tape);
// +1 when ticks run right of the edge (LEFT), -1 when they run left.
float tickDirection(int32_t alignment);

// Values around the current one that a tape visits: first, first + step,
// ..., last, with c = trunc(value / S) * S and half-width
// H = (trunc(trunc(V / 2) / S) + margin) * S. Empty (count 0) for a step
// that is not positive or a value that is not a finite number; the window
// is limited to kMaxTicks ticks.
struct TickWindow {
    static constexpr int kMaxTicks = 2001;

    int64_t centre = 0;  // c
    int64_t half = 0;    // H
    int32_t step = 0;
    int count = 0;

    int64_t first() const { return centre - half; }
    int64_t last() const { return centre + half; }
    int64_t value(int i) const { return first() + int64_t(i) * step; }
};

TickWindow tickWindow(double value, float visibleRange, int32_t step, int32_t margin);

// Clip set, two containers open: the origin at (edge x, centre line) and
// moved so that the value lies on the centre line; value v is at y = v * k.
// Anti-aliased text while the frame is open. The destructor closes the
// containers (restoring transform and text quality) and resets the clip.
class MovingTapeFrame {
  public:
    MovingTapeFrame(Canvas& canvas, const gfx::Region* clip, const TapeGeometry& tape,
                    const TapeScale& scale, double value);
    ~MovingTapeFrame();
    MovingTapeFrame(const MovingTapeFrame&) = delete;
    MovingTapeFrame& operator=(const MovingTapeFrame&) = delete;

    float y(double v) const { return float(v * k_); }

  private:
    Canvas& canvas_;
    double k_;
    gfx::GraphicsContainer outer_ = 0;
    gfx::GraphicsContainer inner_ = 0;
    bool outerOpen_ = false;
    bool innerOpen_ = false;
};

}  // namespace zentra
