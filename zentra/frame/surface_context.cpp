#include "zentra/frame/surface_context.h"

#include <new>

namespace zentra {

namespace gfx = platform::gfx;

bool SurfaceContext::build(int width, int height, bool alpha) {
    // Graphics first released: the new ones may take the same pixels.
    backGraphics.reset();
    backBuffer.reset();
    screen.reset();
    if (gfx::Graphics::create(hdc, &screen) != gfx::Status::Ok) return false;
    if (!buffered) return true;
    if (width <= 0 || height <= 0) {
        // A surface without pixels yet: the back buffer comes with its size.
        width = 1;
        height = 1;
    }
    backBuffer.reset(new (std::nothrow) gfx::Bitmap(
        width, height, alpha ? host::PixelFormat::Rgb24 : host::PixelFormat::Rgb565));
    if (backBuffer == nullptr || !backBuffer->valid()) {
        backBuffer.reset();
        return false;
    }
    return gfx::Graphics::create(backBuffer.get(), &backGraphics) == gfx::Status::Ok;
}

std::unique_ptr<SurfaceContext> makeSurfaceContext(host::HDC hdc, bool buffered, int width,
                                                   int height, bool alpha) {
    std::unique_ptr<SurfaceContext> context(new (std::nothrow) SurfaceContext);
    if (context == nullptr) return nullptr;
    context->hdc = hdc;
    context->buffered = buffered;
    if (!context->build(width, height, alpha)) return nullptr;
    return context;
}

}  // namespace zentra
