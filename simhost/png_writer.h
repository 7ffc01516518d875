#pragma once
// PNG encoding of window pictures: 8-bit RGB, no time or text chunks, fixed
// compression, so the same picture always gives the same bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

// pixels: width x height of 0x..RRGGBB (the top byte is ignored).
std::string encodePng(const std::vector<uint32_t>& pixels, int width, int height);

// Decodes an 8-bit RGB or RGBA PNG into 0xFFRRGGBB pixels (tests, tools);
// false when it cannot.
bool decodePng(const std::string& bytes, std::vector<uint32_t>& pixels, int& width, int& height);

}  // namespace simhost
