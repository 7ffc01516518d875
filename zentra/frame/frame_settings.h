#pragma once
// The settings every display reads from its section before its own keys.
#include <cstdint>

#include "zentra/draw/rendering_quality.h"

namespace zentra {

struct FrameSettings {
    int32_t popupWindowId = 0;
    RenderingQuality quality;  // FontQuality, AntiAliasing
    float dayBrightness = 1.0f;
    float nightBrightness = 0.4f;
    float sizeX = 1000.0f;
    float sizeY = 1000.0f;
    int32_t ignoredRedraws = 0;
    bool multiThreading = true;
    bool doubleBuffering = true;  // never on without multiThreading
};

// Reads the frame keys of a section in their order; missing keys take the
// defaults above.
FrameSettings readFrameSettings(const char* file, const char* section);

}  // namespace zentra
