#include "platform/gfx/bitmap.h"

#include <cstring>
#include <limits>

namespace platform::gfx {
namespace {

bool knownFormat(host::PixelFormat f) {
    return f == host::PixelFormat::Rgb565 || f == host::PixelFormat::Rgb24 ||
           f == host::PixelFormat::Argb32;
}

uint8_t premultiply(uint8_t c, uint8_t a) { return uint8_t((c * a + 127) / 255); }
uint8_t unpremultiply(uint8_t c, uint8_t a) {
    if (a == 0) return 0;
    const int v = (c * 255 + a / 2) / a;
    return uint8_t(v > 255 ? 255 : v);
}

}  // namespace

int Bitmap::bytesPerPixel(host::PixelFormat format) {
    switch (format) {
        case host::PixelFormat::Rgb565:
            return 2;
        case host::PixelFormat::Rgb24:
            return 3;
        case host::PixelFormat::Argb32:
            return 4;
    }
    return 0;
}

int Bitmap::minimumStride(int width, host::PixelFormat format) {
    const long long bytes = (long long)width * bytesPerPixel(format);
    return int((bytes + 3) & ~3LL);
}

bool isValidSurface(const host::Surface& s) {
    if (s.pixels == nullptr || s.width <= 0 || s.height <= 0 || !knownFormat(s.format))
        return false;
    return (long long)s.stride >= (long long)s.width * Bitmap::bytesPerPixel(s.format);
}

Bitmap::Bitmap(int width, int height, host::PixelFormat format) {
    if (width <= 0 || height <= 0 || !knownFormat(format)) return;
    const long long stride = minimumStride(width, format);
    const long long size = stride * height;
    if (stride > std::numeric_limits<int32_t>::max() || size > (1LL << 31)) {
        status_ = Status::OutOfMemory;
        return;
    }
    owned_.assign(size_t(size), 0);
    surface_ = {owned_.data(), width, height, int32_t(stride), format};
    status_ = Status::Ok;
}

Bitmap::Bitmap(int width, int height, int stride, host::PixelFormat format, uint8_t* pixels) {
    const host::Surface s{pixels, width, height, stride, format};
    if (!isValidSurface(s)) return;
    surface_ = s;
    status_ = Status::Ok;
}

Bitmap::Bitmap(const Bitmap& other) { *this = other; }

Bitmap& Bitmap::operator=(const Bitmap& other) {
    if (this == &other) return *this;
    owned_.clear();
    surface_ = {};
    status_ = other.status_;
    if (!other.valid()) return *this;
    surface_ = other.surface_;
    owned_.resize(size_t(other.stride()) * other.height());
    for (int y = 0; y < other.height(); ++y)
        std::memcpy(owned_.data() + size_t(y) * other.stride(),
                    other.pixels() + size_t(y) * other.stride(),
                    size_t(other.width()) * bytesPerPixel(other.format()));
    surface_.pixels = owned_.data();
    return *this;
}

Status Bitmap::getPixel(int x, int y, Argb* color) const {
    if (!valid()) return Status::InvalidParameter;
    return readPixel(surface_, x, y, color);
}

Status Bitmap::setPixel(int x, int y, Argb color) {
    if (!valid()) return Status::InvalidParameter;
    return writePixel(surface_, x, y, color);
}

Status Bitmap::clone(Bitmap* out) const {
    if (out == nullptr || !valid()) return Status::InvalidParameter;
    *out = *this;
    return out->lastStatus();
}

Status readPixel(const host::Surface& s, int x, int y, Argb* color) {
    if (color == nullptr || !isValidSurface(s)) return Status::InvalidParameter;
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return Status::InvalidParameter;
    const uint8_t* p =
        s.pixels + size_t(y) * s.stride + size_t(x) * Bitmap::bytesPerPixel(s.format);
    switch (s.format) {
        case host::PixelFormat::Rgb565: {
            uint16_t v;
            std::memcpy(&v, p, 2);
            const uint8_t r = uint8_t((v >> 11) & 31), g = uint8_t((v >> 5) & 63),
                          b = uint8_t(v & 31);
            *color = makeArgb(255, uint8_t((r << 3) | (r >> 2)), uint8_t((g << 2) | (g >> 4)),
                              uint8_t((b << 3) | (b >> 2)));
            break;
        }
        case host::PixelFormat::Rgb24:
            *color = makeArgb(255, p[2], p[1], p[0]);
            break;
        case host::PixelFormat::Argb32: {
            uint32_t v;
            std::memcpy(&v, p, 4);
            const uint8_t a = alphaOf(v);
            *color = makeArgb(a, unpremultiply(redOf(v), a), unpremultiply(greenOf(v), a),
                              unpremultiply(blueOf(v), a));
            break;
        }
    }
    return Status::Ok;
}

Status writePixel(host::Surface& s, int x, int y, Argb color) {
    if (!isValidSurface(s)) return Status::InvalidParameter;
    if (x < 0 || y < 0 || x >= s.width || y >= s.height) return Status::InvalidParameter;
    uint8_t* p = s.pixels + size_t(y) * s.stride + size_t(x) * Bitmap::bytesPerPixel(s.format);
    switch (s.format) {
        case host::PixelFormat::Rgb565: {
            const uint16_t v = uint16_t(((redOf(color) >> 3) << 11) | ((greenOf(color) >> 2) << 5) |
                                        (blueOf(color) >> 3));
            std::memcpy(p, &v, 2);
            break;
        }
        case host::PixelFormat::Rgb24:
            p[0] = blueOf(color);
            p[1] = greenOf(color);
            p[2] = redOf(color);
            break;
        case host::PixelFormat::Argb32: {
            const uint8_t a = alphaOf(color);
            const uint32_t v =
                makeArgb(a, premultiply(redOf(color), a), premultiply(greenOf(color), a),
                         premultiply(blueOf(color), a));
            std::memcpy(p, &v, 4);
            break;
        }
    }
    return Status::Ok;
}

}  // namespace platform::gfx
