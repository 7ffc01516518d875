#pragma once
// What the PFD's elements draw with during one paint.
#include "zentra/draw/canvas.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/style_table.h"
#include "zentra/pfd/pfd_settings.h"

namespace zentra {

struct PfdPaint {
    Canvas& canvas;
    const StyleTable& styles;
    const FontTable& fonts;
    const PfdSettings& settings;
    RenderingQuality quality;
    // The PFD's shared string format; elements set its alignment as they go.
    gfx::StringFormat& format;
    // The shared data block selects Mach for the autopilot speed.
    bool machSelected = false;
};

}  // namespace zentra
