#include "zentra/draw/logical_space.h"

#include <cmath>

namespace zentra {

namespace {
float usableSize(float size) { return std::isfinite(size) && size > 0 ? size : 1000.0f; }
}  // namespace

float LogicalSpace::scaleX() const { return float(pixelWidth) / usableSize(sizeX); }

float LogicalSpace::scaleY() const { return float(pixelHeight) / usableSize(sizeY); }

gfx::Status LogicalSpace::apply(Canvas& canvas) const {
    canvas.resetTransform();
    return canvas.scaleTransform(scaleX(), scaleY());
}

}  // namespace zentra
