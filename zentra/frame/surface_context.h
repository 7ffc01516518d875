#pragma once
// One drawing surface seen by a display: the 2D popup window's or the
// virtual cockpit's. Buffered contexts also own a back buffer the render
// thread draws on while the surface shows the previous picture.
#include <memory>

#include "host/surface.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"

namespace zentra {

struct SurfaceContext {
    host::HDC hdc = nullptr;
    bool noRedraw = false;
    bool clearPending = false;
    bool isVC = true;
    bool sized = false;
    bool buffered = false;
    std::unique_ptr<platform::gfx::Graphics> screen;
    std::unique_ptr<platform::gfx::Bitmap> backBuffer;
    std::unique_ptr<platform::gfx::Graphics> backGraphics;

    // Graphics the instrument draws on this frame.
    platform::gfx::Graphics* drawingGraphics() const {
        return buffered ? backGraphics.get() : screen.get();
    }

    // Makes (or remakes, after a resize) the graphics objects; a buffered
    // context's back buffer is width x height, 24-bit RGB with alpha asked,
    // else 16-bit 5-6-5. False when they cannot be made.
    bool build(int width, int height, bool alpha);
};

// A new context for an HDC, null when it cannot be made.
std::unique_ptr<SurfaceContext> makeSurfaceContext(host::HDC hdc, bool buffered, int width,
                                                   int height, bool alpha);

}  // namespace zentra
