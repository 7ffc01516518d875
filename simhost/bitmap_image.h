#pragma once
// Bitmap resources of the modules (Windows bitmap files, with or without the
// file header) decoded into 32-bit pixels.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace simhost {

struct BitmapImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xFFRRGGBB, rows top-down
};

// Nothing for data that is not a bitmap this host reads (1, 4, 8, 16, 24 or
// 32 bits per pixel, uncompressed or bit fields) or that is cut short.
std::optional<BitmapImage> decodeBitmap(const uint8_t* data, size_t size);

}  // namespace simhost
