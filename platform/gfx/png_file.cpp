#include "platform/gfx/png_file.h"

#include <cairo.h>

#include <cstring>

#include "platform/gfx/gfx_init.h"
#include "platform/gfx/raster_target.h"

namespace platform::gfx {

Status savePng(const host::Surface& surface, const std::string& path) {
    detail::CairoLock lock;
    cairo_surface_t* src = detail::sourceSurface(surface);
    if (src == nullptr) return Status::InvalidParameter;
    const cairo_status_t s = cairo_surface_write_to_png(src, path.c_str());
    cairo_surface_destroy(src);
    return s == CAIRO_STATUS_SUCCESS ? Status::Ok : Status::GenericError;
}

Status savePng(const Bitmap& bitmap, const std::string& path) {
    if (!bitmap.valid()) return Status::InvalidParameter;
    return savePng(*bitmap.surface(), path);
}

Status loadPng(const std::string& path, Bitmap* out) {
    if (out == nullptr) return Status::InvalidParameter;
    detail::CairoLock lock;
    cairo_surface_t* img = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(img) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(img);
        return Status::GenericError;
    }
    const int w = cairo_image_surface_get_width(img), h = cairo_image_surface_get_height(img);
    Bitmap bmp(w, h, host::PixelFormat::Argb32);
    if (!bmp.valid()) {
        cairo_surface_destroy(img);
        return Status::OutOfMemory;
    }
    // Whatever format cairo loaded, paint it into our 32-bit pixels.
    cairo_surface_t* dst =
        cairo_image_surface_create_for_data(bmp.pixels(), CAIRO_FORMAT_ARGB32, w, h, bmp.stride());
    cairo_t* cr = cairo_create(dst);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, img, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(dst);
    cairo_surface_destroy(dst);
    cairo_surface_destroy(img);
    *out = std::move(bmp);
    return Status::Ok;
}

}  // namespace platform::gfx
