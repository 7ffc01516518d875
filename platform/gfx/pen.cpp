#include "platform/gfx/pen.h"

#include <cmath>

namespace platform::gfx {
namespace {

bool knownCap(LineCap cap) {
    switch (cap) {
        case LineCap::Flat:
        case LineCap::Square:
        case LineCap::Round:
        case LineCap::Triangle:
        case LineCap::ArrowAnchor:
            return true;
    }
    return false;
}

}  // namespace

Pen::Pen(Argb color, float width, Unit unit)
    : color_(color), width_(std::isfinite(width) && width >= 0 ? width : 1.0f), unit_(unit) {}

Status Pen::setColor(Argb color) {
    color_ = color;
    return Status::Ok;
}

Status Pen::getColor(Argb* color) const {
    if (color == nullptr) return Status::InvalidParameter;
    *color = color_;
    return Status::Ok;
}

Status Pen::setWidth(float width) {
    if (!std::isfinite(width) || width < 0) return Status::InvalidParameter;
    width_ = width;
    return Status::Ok;
}

Status Pen::setDashPattern(const float* dashes, int count) {
    if (count < 0 || (count > 0 && dashes == nullptr)) return Status::InvalidParameter;
    for (int i = 0; i < count; ++i)
        if (!std::isfinite(dashes[i]) || dashes[i] <= 0) return Status::InvalidParameter;
    dashes_.assign(dashes, dashes + count);
    return Status::Ok;
}

Status Pen::clearDashPattern() {
    dashes_.clear();
    return Status::Ok;
}

Status Pen::setDashOffset(float offset) {
    if (!std::isfinite(offset)) return Status::InvalidParameter;
    dashOffset_ = offset;
    return Status::Ok;
}

Status Pen::setStartCap(LineCap cap) {
    if (!knownCap(cap)) return Status::InvalidParameter;
    startCap_ = cap;
    return Status::Ok;
}

Status Pen::setEndCap(LineCap cap) {
    if (!knownCap(cap)) return Status::InvalidParameter;
    endCap_ = cap;
    return Status::Ok;
}

Status Pen::setLineCap(LineCap startCap, LineCap endCap) {
    if (!knownCap(startCap) || !knownCap(endCap)) return Status::InvalidParameter;
    startCap_ = startCap;
    endCap_ = endCap;
    return Status::Ok;
}

Status Pen::setLineJoin(LineJoin join) {
    if (join != LineJoin::Miter && join != LineJoin::Bevel && join != LineJoin::Round)
        return Status::InvalidParameter;
    join_ = join;
    return Status::Ok;
}

}  // namespace platform::gfx
