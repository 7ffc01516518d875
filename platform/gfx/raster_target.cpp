#include "platform/gfx/raster_target.h"

#include <algorithm>
#include <cstring>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/gfx_init.h"

namespace platform::gfx::detail {
namespace {

// cairo's own size limit for image surfaces.
constexpr int kMaxSide = 32767;

cairo_format_t cairoFormat(host::PixelFormat f) {
    switch (f) {
        case host::PixelFormat::Rgb565:
            return CAIRO_FORMAT_RGB16_565;
        case host::PixelFormat::Rgb24:
            return CAIRO_FORMAT_RGB24;
        case host::PixelFormat::Argb32:
            return CAIRO_FORMAT_ARGB32;
    }
    return CAIRO_FORMAT_INVALID;
}

bool canWrap(const host::Surface& s) {
    if (s.format == host::PixelFormat::Rgb24) return false;
    const int minStride = cairo_format_stride_for_width(cairoFormat(s.format), s.width);
    return s.stride >= minStride && s.stride % 4 == 0 &&
           reinterpret_cast<uintptr_t>(s.pixels) % 4 == 0;
}

bool sameRecord(const host::Surface& a, const host::Surface& b) {
    return a.pixels == b.pixels && a.width == b.width && a.height == b.height &&
           a.stride == b.stride && a.format == b.format;
}

// Copies rows between the host's pixels and a cairo surface of the matching
// cairo format (24-bit rows become 32-bit xRGB).
void copyRows(const host::Surface& s, cairo_surface_t* cs, const IntRect& r, bool toCairo) {
    uint8_t* data = cairo_image_surface_get_data(cs);
    const int cstride = cairo_image_surface_get_stride(cs);
    const int bpp = Bitmap::bytesPerPixel(s.format);
    for (int y = r.y0; y < r.y1; ++y) {
        uint8_t* hrow = s.pixels + size_t(y) * s.stride;
        uint8_t* crow = data + size_t(y) * cstride;
        if (s.format == host::PixelFormat::Rgb24) {
            for (int x = r.x0; x < r.x1; ++x) {
                uint8_t* hp = hrow + size_t(x) * 3;
                uint32_t v;
                if (toCairo) {
                    v = 0xFF000000u | (uint32_t(hp[2]) << 16) | (uint32_t(hp[1]) << 8) | hp[0];
                    std::memcpy(crow + size_t(x) * 4, &v, 4);
                } else {
                    std::memcpy(&v, crow + size_t(x) * 4, 4);
                    hp[0] = uint8_t(v);
                    hp[1] = uint8_t(v >> 8);
                    hp[2] = uint8_t(v >> 16);
                }
            }
        } else {
            const size_t off = size_t(r.x0) * bpp, len = size_t(r.x1 - r.x0) * bpp;
            if (toCairo)
                std::memcpy(crow + off, hrow + off, len);
            else
                std::memcpy(hrow + off, crow + off, len);
        }
    }
}

}  // namespace

IntRect IntRect::intersect(const IntRect& o) const {
    return {std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1)};
}

RasterTarget::RasterTarget(host::Surface* surface) : surface_(surface) {}

RasterTarget::~RasterTarget() { release(); }

void RasterTarget::release() {
    CairoLock lock;
    if (cr_ != nullptr) cairo_destroy(cr_);
    if (cs_ != nullptr) cairo_surface_destroy(cs_);
    cr_ = nullptr;
    cs_ = nullptr;
}

cairo_t* RasterTarget::context() {
    if (surface_ == nullptr) return nullptr;
    if (cr_ != nullptr && sameRecord(*surface_, seen_)) return cr_;
    CairoLock lock;
    release();
    seen_ = *surface_;
    if (!isValidSurface(seen_) || seen_.width > kMaxSide || seen_.height > kMaxSide) return nullptr;
    const cairo_format_t format = cairoFormat(seen_.format);
    shadow_ = !canWrap(seen_);
    if (shadow_)
        cs_ = cairo_image_surface_create(format, seen_.width, seen_.height);
    else
        cs_ = cairo_image_surface_create_for_data(seen_.pixels, format, seen_.width, seen_.height,
                                                  seen_.stride);
    if (cairo_surface_status(cs_) != CAIRO_STATUS_SUCCESS) {
        release();
        return nullptr;
    }
    cr_ = cairo_create(cs_);
    if (cairo_status(cr_) != CAIRO_STATUS_SUCCESS) {
        release();
        return nullptr;
    }
    ++generation_;
    return cr_;
}

void RasterTarget::syncIn(const IntRect& area) {
    if (!shadow_ || cs_ == nullptr) return;
    const IntRect r = area.intersect(bounds());
    if (r.empty()) return;
    cairo_surface_flush(cs_);
    copyRows(seen_, cs_, r, true);
    cairo_surface_mark_dirty_rectangle(cs_, r.x0, r.y0, r.x1 - r.x0, r.y1 - r.y0);
}

void RasterTarget::syncOut(const IntRect& area) {
    if (cs_ == nullptr) return;
    cairo_surface_flush(cs_);
    if (!shadow_) return;
    const IntRect r = area.intersect(bounds());
    if (r.empty()) return;
    copyRows(seen_, cs_, r, false);
}

cairo_surface_t* sourceSurface(const host::Surface& s) {
    if (!isValidSurface(s) || s.width > kMaxSide || s.height > kMaxSide) return nullptr;
    cairo_surface_t* cs = nullptr;
    if (canWrap(s)) {
        cs = cairo_image_surface_create_for_data(s.pixels, cairoFormat(s.format), s.width, s.height,
                                                 s.stride);
    } else {
        cs = cairo_image_surface_create(cairoFormat(s.format), s.width, s.height);
        if (cairo_surface_status(cs) == CAIRO_STATUS_SUCCESS) {
            copyRows(s, cs, {0, 0, s.width, s.height}, true);
            cairo_surface_mark_dirty(cs);
        }
    }
    if (cairo_surface_status(cs) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(cs);
        return nullptr;
    }
    return cs;
}

}  // namespace platform::gfx::detail
