#pragma once
// The shared marker and pointer vocabulary; values are the positions of the
// names in the configuration's shape tables.
#include <cstdint>

namespace zentra {

enum class SymbolShape : int32_t {
    None = 0,
    Line = 1,
    Triangle = 2,
    LineTriangle = 3,
    Square = 4,
    Circle = 5,
    Diamond = 6,
    LongDiamond = 7,
    Star = 8,
    ApShapeSmall = 9,
    ApShapeBig = 10,
    ApShapeSmallMirrored = 11,
    ApShapeBigMirrored = 12,
    DoubleTriangle = 13,
    DoubleTriangleMirrored = 14,
    Rectangle = 15,
};

enum class ArrowShape : int32_t {
    None = 0,
    Thin = 1,
    Double = 2,
    Thick = 3,
    End = 4,
    Standard = 5,
};

}  // namespace zentra
