#pragma once
// Composes a window's picture: its background colour, then every gauge in
// panel order with its elements in tree order: static images from the
// module's bitmap (black see-through when the image asks for transparency,
// flag bit 0) and, for images with a device context, the picture the host
// last took from their surface. Other element kinds are not drawn yet.
#include <cstdint>
#include <vector>

#include "simhost/simulator.h"

namespace simhost {

struct WindowPicture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xFFRRGGBB
};

WindowPicture composeWindow(const PanelWindow& window);

}  // namespace simhost
