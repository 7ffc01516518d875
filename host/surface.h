#pragma once
// The surface record behind a device-context handle. The host owns the
// pixels; gauges draw on them through platform/gfx.
#include <cstdint>

namespace host {

enum class PixelFormat : int32_t {
    Rgb565 = 0,  // 16 bit, 5-6-5
    Rgb24 = 1,   // 24 bit, bytes B, G, R
    Argb32 = 2,  // 32 bit, native-endian 0xAARRGGBB (premultiplied)
};

struct Surface {
    uint8_t* pixels = nullptr;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;  // bytes per row
    PixelFormat format = PixelFormat::Argb32;
};

// A device context is a pointer to the host's surface record.
using HDC = Surface*;

}  // namespace host
