#include "simhost/bitmap_image.h"

#include <cstring>

namespace simhost {
namespace {

uint32_t u32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | uint32_t(p[3]) << 24; }
uint16_t u16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

// Expands a channel given by a bit mask to 8 bits.
uint32_t channel(uint32_t value, uint32_t mask) {
    if (mask == 0) return 0;
    int shift = 0;
    while (!((mask >> shift) & 1)) ++shift;
    uint32_t m = mask >> shift;
    uint32_t v = (value & mask) >> shift;
    return m ? (v * 255 + m / 2) / m : 0;
}

constexpr size_t kMaxPixels = 64u << 20;

}  // namespace

std::optional<BitmapImage> decodeBitmap(const uint8_t* data, size_t size) {
    if (!data) return std::nullopt;
    const uint8_t* file = data;
    size_t fileSize = size;
    size_t infoAt = 0;
    std::optional<size_t> pixelOffset;
    if (size >= 14 && data[0] == 'B' && data[1] == 'M') {
        pixelOffset = u32(data + 10);
        infoAt = 14;
    }
    if (fileSize < infoAt + 40) return std::nullopt;
    const uint8_t* info = file + infoAt;
    const uint32_t infoSize = u32(info);
    if (infoSize < 40 || infoAt + infoSize > fileSize) return std::nullopt;
    const int32_t w = static_cast<int32_t>(u32(info + 4));
    const int32_t rawH = static_cast<int32_t>(u32(info + 8));
    const int bpp = u16(info + 14);
    const uint32_t compression = u32(info + 16);
    uint32_t colours = u32(info + 32);
    if (w <= 0 || rawH == 0 || rawH == INT32_MIN) return std::nullopt;
    const bool topDown = rawH < 0;
    const int32_t h = topDown ? -rawH : rawH;
    if (static_cast<size_t>(w) * static_cast<size_t>(h) > kMaxPixels) return std::nullopt;

    uint32_t masks[3] = {0, 0, 0};
    size_t tableAt = infoAt + infoSize;
    if (compression == 3 && (bpp == 16 || bpp == 32)) {
        if (infoSize >= 52) {
            masks[0] = u32(info + 40), masks[1] = u32(info + 44), masks[2] = u32(info + 48);
        } else {
            if (tableAt + 12 > fileSize) return std::nullopt;
            masks[0] = u32(file + tableAt), masks[1] = u32(file + tableAt + 4);
            masks[2] = u32(file + tableAt + 8);
            tableAt += 12;
        }
    } else if (compression != 0) {
        return std::nullopt;
    } else if (bpp == 16) {
        masks[0] = 0x7C00, masks[1] = 0x03E0, masks[2] = 0x001F;
    } else if (bpp == 32) {
        masks[0] = 0xFF0000, masks[1] = 0x00FF00, masks[2] = 0x0000FF;
    }

    std::vector<uint32_t> palette;
    if (bpp <= 8) {
        if (bpp != 1 && bpp != 4 && bpp != 8) return std::nullopt;
        const uint32_t maxColours = 1u << bpp;
        if (colours == 0 || colours > maxColours) colours = maxColours;
        if (tableAt + colours * 4 > fileSize) return std::nullopt;
        for (uint32_t i = 0; i < colours; ++i) {
            const uint8_t* c = file + tableAt + i * 4;
            palette.push_back(0xFF000000u | c[2] << 16 | c[1] << 8 | c[0]);
        }
        tableAt += colours * 4;
        palette.resize(maxColours, 0xFF000000u);
    } else if (bpp != 16 && bpp != 24 && bpp != 32) {
        return std::nullopt;
    }

    const size_t stride = ((static_cast<size_t>(w) * bpp + 31) / 32) * 4;
    const size_t start = pixelOffset ? *pixelOffset : tableAt;
    if (start > fileSize || stride * h > fileSize - start) return std::nullopt;

    BitmapImage img;
    img.width = w;
    img.height = h;
    img.pixels.resize(static_cast<size_t>(w) * h);
    for (int32_t row = 0; row < h; ++row) {
        const uint8_t* src = file + start + stride * (topDown ? row : h - 1 - row);
        uint32_t* dst = img.pixels.data() + static_cast<size_t>(row) * w;
        for (int32_t x = 0; x < w; ++x) {
            uint32_t px = 0;
            switch (bpp) {
                case 1:
                    px = palette[(src[x / 8] >> (7 - x % 8)) & 1];
                    break;
                case 4:
                    px = palette[(src[x / 2] >> (x % 2 ? 0 : 4)) & 15];
                    break;
                case 8:
                    px = palette[src[x]];
                    break;
                case 16: {
                    uint32_t v = u16(src + 2 * x);
                    px = 0xFF000000u | channel(v, masks[0]) << 16 | channel(v, masks[1]) << 8 |
                         channel(v, masks[2]);
                    break;
                }
                case 24:
                    px = 0xFF000000u | src[3 * x + 2] << 16 | src[3 * x + 1] << 8 | src[3 * x];
                    break;
                case 32: {
                    uint32_t v = u32(src + 4 * x);
                    px = 0xFF000000u | channel(v, masks[0]) << 16 | channel(v, masks[1]) << 8 |
                         channel(v, masks[2]);
                    break;
                }
            }
            dst[x] = px;
        }
    }
    return img;
}

}  // namespace simhost
