#include "simhost/compositor.h"

#include <algorithm>

namespace simhost {
namespace {

// Source over destination; src is premultiplied 0xAARRGGBB.
uint32_t over(uint32_t src, uint32_t dst) {
    const uint32_t a = src >> 24;
    if (a == 255) return src | 0xFF000000u;
    if (a == 0 && (src & 0xFFFFFF) == 0) return dst;
    const uint32_t k = 255 - a;
    auto ch = [&](int shift) {
        uint32_t v = ((src >> shift) & 255) + (((dst >> shift) & 255) * k + 127) / 255;
        return std::min<uint32_t>(v, 255) << shift;
    };
    return 0xFF000000u | ch(16) | ch(8) | ch(0);
}

struct Clip {
    int x0, y0, x1, y1;
};

// Draws a w x h source scaled (nearest) into the rectangle at (x, y, dw, dh).
template <typename Pixel>
void blit(WindowPicture& pic, const Clip& clip, int x, int y, int dw, int dh, int sw, int sh,
          Pixel&& pixelAt) {
    const int xa = std::max(x, clip.x0), xb = std::min(x + dw, clip.x1);
    const int ya = std::max(y, clip.y0), yb = std::min(y + dh, clip.y1);
    for (int py = ya; py < yb; ++py) {
        const int sy = static_cast<int>((static_cast<int64_t>(py - y) * sh) / dh);
        uint32_t* row = pic.pixels.data() + static_cast<size_t>(py) * pic.width;
        for (int px = xa; px < xb; ++px) {
            const int sx = static_cast<int>((static_cast<int64_t>(px - x) * sw) / dw);
            pixelAt(sx, sy, row[px]);
        }
    }
}

}  // namespace

WindowPicture composeWindow(const PanelWindow& window) {
    WindowPicture pic;
    pic.width = window.layout.width;
    pic.height = window.layout.height;
    pic.pixels.assign(static_cast<size_t>(pic.width) * pic.height,
                      0xFF000000u | window.layout.background);
    for (GaugeInstance* g : window.gauges) {
        const Clip clip{std::max(0, g->x()), std::max(0, g->y()),
                        std::min(pic.width, g->x() + g->width()),
                        std::min(pic.height, g->y() + g->height())};
        for (const ElementState& st : g->elements()) {
            if (st.element->type != host::ElementType::StaticImage) continue;
            const int x = g->x() + st.x, y = g->y() + st.y;
            if (st.surface) {
                const SurfaceSlot& s = *st.surface;
                if (s.taken.empty()) continue;
                const int w = s.surface.width, h = s.surface.height;
                blit(pic, clip, x, y, w, h, w, h, [&](int sx, int sy, uint32_t& dst) {
                    dst = over(s.taken[static_cast<size_t>(sy) * w + sx], dst);
                });
            } else if (st.bitmap) {
                const BitmapImage& b = *st.bitmap;
                const bool seeThrough = st.element->imageFlags & host::kImageUseTransparency;
                blit(pic, clip, x, y, st.w, st.h, b.width, b.height,
                     [&](int sx, int sy, uint32_t& dst) {
                         const uint32_t p = b.pixels[static_cast<size_t>(sy) * b.width + sx];
                         if (seeThrough && (p & 0xFFFFFF) == 0) return;
                         dst = p;
                     });
            }
        }
    }
    return pic;
}

}  // namespace simhost
