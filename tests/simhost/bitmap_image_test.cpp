#include "simhost/bitmap_image.h"

#include <gtest/gtest.h>

#include <cstring>

namespace simhost {
namespace {

void put32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); }
void put16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); }

// A bitmap with the given rows (bottom-up unless height is negative).
std::vector<uint8_t> makeBitmap(bool fileHeader, int w, int h, int bpp,
                                const std::vector<uint32_t>& palette,
                                const std::vector<uint8_t>& pixelBytes) {
    std::vector<uint8_t> b(fileHeader ? 14 : 0);
    const size_t info = b.size();
    b.resize(info + 40 + palette.size() * 4, 0);
    put32(b, info, 40);
    put32(b, info + 4, static_cast<uint32_t>(w));
    put32(b, info + 8, static_cast<uint32_t>(h));
    put16(b, info + 12, 1);
    put16(b, info + 14, static_cast<uint16_t>(bpp));
    put32(b, info + 32, static_cast<uint32_t>(palette.size()));
    for (size_t i = 0; i < palette.size(); ++i) put32(b, info + 40 + 4 * i, palette[i]);
    if (fileHeader) {
        b[0] = 'B', b[1] = 'M';
        put32(b, 10, static_cast<uint32_t>(b.size()));
    }
    b.insert(b.end(), pixelBytes.begin(), pixelBytes.end());
    if (fileHeader) put32(b, 2, static_cast<uint32_t>(b.size()));
    return b;
}

TEST(BitmapImage, DecodesTheDepthsTheModulesUse) {
    // 24 bit, 2 x 2, bottom-up: bottom row blue, red; top row green, white.
    auto rgb = makeBitmap(true, 2, 2, 24, {},
                          {0xFF, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0xFF, 0, 0xFF, 0xFF, 0xFF, 0, 0});
    auto img = decodeBitmap(rgb.data(), rgb.size());
    ASSERT_TRUE(img);
    EXPECT_EQ(img->pixels, (std::vector<uint32_t>{0xFF00FF00, 0xFFFFFFFF, 0xFF0000FF, 0xFFFF0000}));

    // 8 bit without the file header (as a resource), top-down.
    auto pal8 = makeBitmap(false, 3, -1, 8, {0x000000, 0x123456, 0xABCDEF}, {2, 1, 0, 0});
    img = decodeBitmap(pal8.data(), pal8.size());
    ASSERT_TRUE(img);
    EXPECT_EQ(img->pixels, (std::vector<uint32_t>{0xFFABCDEF, 0xFF123456, 0xFF000000}));

    // 1 bit: 10 pixels across, one row.
    auto mono = makeBitmap(true, 10, 1, 1, {0x000000, 0xFFFFFF}, {0b10100000, 0b01000000, 0, 0});
    img = decodeBitmap(mono.data(), mono.size());
    ASSERT_TRUE(img);
    EXPECT_EQ(img->pixels[0], 0xFFFFFFFFu);
    EXPECT_EQ(img->pixels[1], 0xFF000000u);
    EXPECT_EQ(img->pixels[2], 0xFFFFFFFFu);
    EXPECT_EQ(img->pixels[9], 0xFFFFFFFFu);
}

TEST(BitmapImage, RefusesWhatIsCutShortOrUnknown) {
    auto rgb = makeBitmap(true, 4, 4, 24, {}, std::vector<uint8_t>(48, 0x7F));
    EXPECT_TRUE(decodeBitmap(rgb.data(), rgb.size()));
    EXPECT_FALSE(decodeBitmap(rgb.data(), rgb.size() - 1));
    EXPECT_FALSE(decodeBitmap(rgb.data(), 20));
    EXPECT_FALSE(decodeBitmap(nullptr, 0));
    auto odd = makeBitmap(true, 4, 4, 7, {}, std::vector<uint8_t>(64, 0));
    EXPECT_FALSE(decodeBitmap(odd.data(), odd.size()));
    auto zero = makeBitmap(true, 0, 4, 24, {}, {});
    EXPECT_FALSE(decodeBitmap(zero.data(), zero.size()));
    auto huge = makeBitmap(true, 100000, 100000, 24, {}, {});
    EXPECT_FALSE(decodeBitmap(huge.data(), huge.size()));
}

}  // namespace
}  // namespace simhost
