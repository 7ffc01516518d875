#pragma once
// Mouse areas of a gauge.
#include <cstdint>

#include "host/elements.h"

namespace host {

enum MouseFlag : uint32_t {
    kMouseWheelDown = 0x2000,
    kMouseWheelUp = 0x4000,
    kMouseLeftSingle = 1u << 29,
};

enum class MouseRectType : int32_t { End = 0, Parent = 1, Child = 2 };

using MouseFunction = int32_t (*)(Point* point, uint32_t flags);

struct MouseRect {
    MouseRectType type = MouseRectType::End;
    Box box{};  // in gauge units (the gauge's background image pixels)
    int32_t cursor = 0;
    int32_t helpId = 0;
    uint32_t flags = 0;  // which mouse actions reach the function
    uint32_t eventId = 0;  // simulator event sent on click when no function
    MouseFunction function = nullptr;
};

}  // namespace host
