#include "platform/gfx/brush.h"

namespace platform::gfx {

SolidBrush::SolidBrush(Argb color) : Brush(BrushKind::Solid), color_(color) {}

Status SolidBrush::setColor(Argb color) {
    color_ = color;
    return Status::Ok;
}

Status SolidBrush::getColor(Argb* color) const {
    if (color == nullptr) return Status::InvalidParameter;
    *color = color_;
    return Status::Ok;
}

std::unique_ptr<Brush> SolidBrush::clone() const { return std::make_unique<SolidBrush>(*this); }

HatchBrush::HatchBrush(HatchStyle style, Argb foreColor, Argb backColor)
    : Brush(BrushKind::Hatch), style_(style), fore_(foreColor), back_(backColor) {}

std::unique_ptr<Brush> HatchBrush::clone() const { return std::make_unique<HatchBrush>(*this); }

bool HatchBrush::isKnownStyle(HatchStyle style) {
    switch (style) {
        case HatchStyle::Horizontal:
        case HatchStyle::Vertical:
        case HatchStyle::ForwardDiagonal:
        case HatchStyle::BackwardDiagonal:
        case HatchStyle::Cross:
        case HatchStyle::DiagonalCross:
        case HatchStyle::LightVertical:
            return true;
    }
    return false;
}

bool HatchBrush::patternBit(HatchStyle style, int x, int y) {
    const int px = ((x % 8) + 8) % 8;
    const int py = ((y % 8) + 8) % 8;
    const bool horizontal = py == 0;
    const bool vertical = px == 0;
    const bool forward = px == py;
    const bool backward = px + py == 7;
    switch (style) {
        case HatchStyle::Horizontal:
            return horizontal;
        case HatchStyle::Vertical:
            return vertical;
        case HatchStyle::ForwardDiagonal:
            return forward;
        case HatchStyle::BackwardDiagonal:
            return backward;
        case HatchStyle::Cross:
            return horizontal || vertical;
        case HatchStyle::DiagonalCross:
            return forward || backward;
        case HatchStyle::LightVertical:
            return px % 4 == 0;
    }
    return false;
}

}  // namespace platform::gfx
