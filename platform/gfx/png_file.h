#pragma once
// Pictures written as PNG files (tests, tools and simhost snapshots).
#include <string>

#include "host/surface.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/status.h"

namespace platform::gfx {

// 24-bit and 5-6-5 pixels are written opaque, 32-bit pixels with their alpha.
// GenericError when the file cannot be written.
Status savePng(const host::Surface& surface, const std::string& path);
Status savePng(const Bitmap& bitmap, const std::string& path);
// Reads a PNG into a 32-bit bitmap.
Status loadPng(const std::string& path, Bitmap* out);

}  // namespace platform::gfx
