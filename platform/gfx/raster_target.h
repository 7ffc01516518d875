#pragma once
// The pixels a raster graphics object draws on, seen by cairo. 32-bit and
// 5-6-5 pixels with 4-byte aligned rows are drawn on in place; anything else
// (24-bit rows above all) goes through a shadow surface that is filled from
// the pixels before each call and written back after it, for the area the
// call may touch only.
#include <cairo.h>

#include "host/surface.h"

namespace platform::gfx::detail {

struct IntRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    IntRect intersect(const IntRect& o) const;
};

class RasterTarget {
  public:
    explicit RasterTarget(host::Surface* surface);
    ~RasterTarget();
    RasterTarget(const RasterTarget&) = delete;
    RasterTarget& operator=(const RasterTarget&) = delete;

    // Null when the surface record is unusable. A new context (after the host
    // changed its surface record) has a new generation number.
    cairo_t* context();
    unsigned generation() const { return generation_; }
    int width() const { return seen_.width; }
    int height() const { return seen_.height; }
    IntRect bounds() const { return {0, 0, seen_.width, seen_.height}; }
    // Drawn through a shadow surface (valid after context()).
    bool shadowed() const { return shadow_; }

    void syncIn(const IntRect& area);
    void syncOut(const IntRect& area);

  private:
    void release();

    host::Surface* surface_;
    host::Surface seen_{};
    cairo_surface_t* cs_ = nullptr;
    cairo_t* cr_ = nullptr;
    bool shadow_ = false;
    unsigned generation_ = 0;
};

// A cairo surface showing the pixels of a host surface, for reading: wraps
// them when cairo can, else a converted copy. Null on bad input.
cairo_surface_t* sourceSurface(const host::Surface& surface);

}  // namespace platform::gfx::detail
