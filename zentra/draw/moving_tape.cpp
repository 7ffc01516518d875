#include "zentra/draw/moving_tape.h"

#include <algorithm>
#include <cmath>

#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/text_anchor.h"

namespace zentra {

TapeScale layoutTape(const TapeGeometry& tape) {
    TapeScale scale;
    scale.centreY = tape.box.y + tape.box.height / 2;
    // A range of 0 would put every value at infinity: such a tape stands still.
    scale.k = tape.visibleRange != 0 ? -(tape.box.height / tape.visibleRange) : 0;
    return scale;
}

float tapeEdgeX(const TapeGeometry& tape) {
    return (tape.alignment & TextAnchor::LEFT) ? tape.box.x : tape.box.right();
}

float tickDirection(int32_t alignment) { return (alignment & TextAnchor::LEFT) ? 1.0f : -1.0f; }

TickWindow tickWindow(double value, float visibleRange, int32_t step, int32_t margin) {
    TickWindow window;
    window.step = step;
    if (step <= 0 || !std::isfinite(value) || !std::isfinite(visibleRange)) return window;
    const double steps = std::trunc(value / step);
    const double halfRange = std::trunc(std::trunc(double(visibleRange) / 2) / step) + margin;
    // Values this far out are not a reading; they would overflow the ticks.
    if (std::fabs(steps * step) > 1e15 || halfRange < 0) return window;
    const int64_t halfSteps =
        std::min<int64_t>(int64_t(halfRange), (TickWindow::kMaxTicks - 1) / 2);
    window.centre = int64_t(steps) * step;
    window.half = halfSteps * step;
    window.count = int(2 * halfSteps + 1);
    return window;
}

MovingTapeFrame::MovingTapeFrame(Canvas& canvas, const gfx::Region* clip, const TapeGeometry& tape,
                                 const TapeScale& scale, double value)
    : canvas_(canvas), k_(scale.k) {
    if (clip != nullptr) canvas_.setClip(clip);
    outerOpen_ = canvas_.beginContainer(&outer_) == gfx::Status::Ok;
    canvas_.translateTransform(tapeEdgeX(tape), scale.centreY);
    innerOpen_ = canvas_.beginContainer(&inner_) == gfx::Status::Ok;
    const double shift = -value * k_;
    canvas_.translateTransform(0, std::isfinite(shift) ? float(shift) : 0.0f);
    forceAntiAliasedText(canvas_);
}

MovingTapeFrame::~MovingTapeFrame() {
    if (innerOpen_) canvas_.endContainer(inner_);
    if (outerOpen_) canvas_.endContainer(outer_);
    canvas_.resetClip();
}

}  // namespace zentra
