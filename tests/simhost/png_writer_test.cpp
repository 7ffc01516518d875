#include "simhost/png_writer.h"

#include <gtest/gtest.h>

namespace simhost {
namespace {

std::vector<uint32_t> testPicture(int w, int h) {
    std::vector<uint32_t> px(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x)
            px[y * w + x] = 0xFF000000u | (x * 7) << 16 | (y * 5) << 8 | 0x33;
    }
    return px;
}

TEST(PngWriter, SamePictureSameBytesAndPixelsSurvive) {
    const auto px = testPicture(31, 17);
    const std::string a = encodePng(px, 31, 17);
    const std::string b = encodePng(px, 31, 17);
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.find("tIME"), std::string::npos);
    std::vector<uint32_t> back;
    int w = 0, h = 0;
    ASSERT_TRUE(decodePng(a, back, w, h));
    EXPECT_EQ(w, 31);
    EXPECT_EQ(h, 17);
    EXPECT_EQ(back, px);
    EXPECT_FALSE(decodePng(a.substr(0, a.size() / 2), back, w, h));
    EXPECT_FALSE(decodePng("not a png", back, w, h));
}

}  // namespace
}  // namespace simhost
