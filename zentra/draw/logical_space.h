#pragma once
// The instrument's design space: SizeX by SizeY units, y down, stretched
// (not letter-boxed) over the surface's pixels by one world scale.
#include "zentra/draw/canvas.h"

namespace zentra {

struct LogicalSpace {
    float sizeX = 1000.0f;
    float sizeY = 1000.0f;
    int pixelWidth = 0;
    int pixelHeight = 0;

    // Pixels per logical unit. A logical size that is not a positive number
    // counts as the default 1000, so a bad setting cannot give an infinite scale.
    float scaleX() const;
    float scaleY() const;

    // Resets the canvas's world transform and scales it to this space.
    gfx::Status apply(Canvas& canvas) const;
};

}  // namespace zentra
