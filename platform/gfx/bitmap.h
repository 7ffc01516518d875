#pragma once
// An image in one of the host's pixel formats, owning its pixels or
// wrapping the caller's. Colours read and written as non-premultiplied ARGB.
#include <cstdint>
#include <vector>

#include "host/surface.h"
#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

class Bitmap {
  public:
    Bitmap() = default;
    // Owns zeroed pixels; rows 4-byte aligned. lastStatus() says whether it worked.
    Bitmap(int width, int height, host::PixelFormat format);
    // Wraps the caller's pixels, which must outlive the bitmap.
    Bitmap(int width, int height, int stride, host::PixelFormat format, uint8_t* pixels);
    Bitmap(const Bitmap& other);  // deep copy
    Bitmap& operator=(const Bitmap& other);
    Bitmap(Bitmap&&) noexcept = default;
    Bitmap& operator=(Bitmap&&) noexcept = default;

    Status lastStatus() const { return status_; }
    bool valid() const { return status_ == Status::Ok && surface_.pixels != nullptr; }
    int width() const { return surface_.width; }
    int height() const { return surface_.height; }
    int stride() const { return surface_.stride; }
    host::PixelFormat format() const { return surface_.format; }
    uint8_t* pixels() { return surface_.pixels; }
    const uint8_t* pixels() const { return surface_.pixels; }
    // The pixels as a host surface record (e.g. to draw on through an HDC).
    host::Surface* surface() { return &surface_; }
    const host::Surface* surface() const { return &surface_; }

    Status getPixel(int x, int y, Argb* color) const;
    Status setPixel(int x, int y, Argb color);
    // A copy that owns its pixels.
    Status clone(Bitmap* out) const;

    static int bytesPerPixel(host::PixelFormat format);
    static int minimumStride(int width, host::PixelFormat format);

  private:
    host::Surface surface_{};
    std::vector<uint8_t> owned_;
    Status status_ = Status::InvalidParameter;
};

// Pixel access shared by bitmaps and host surfaces.
Status readPixel(const host::Surface& surface, int x, int y, Argb* color);
Status writePixel(host::Surface& surface, int x, int y, Argb color);
bool isValidSurface(const host::Surface& surface);

}  // namespace platform::gfx
