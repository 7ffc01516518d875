#include <gtest/gtest.h>

#include <vector>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

using testing::Canvas;

// What a colour becomes once stored in each format.
TEST(PixelFormatTest, ColoursRoundTripThroughEachFormat) {
    const struct {
        host::PixelFormat format;
        Argb in;
        Argb out;
    } cases[] = {
        {host::PixelFormat::Argb32, 0xFF123456, 0xFF123456},
        {host::PixelFormat::Rgb24, 0xFF123456, 0xFF123456},
        // 5-6-5 keeps the top bits and replicates them downwards.
        {host::PixelFormat::Rgb565, 0xFF123456, 0xFF103452},
        {host::PixelFormat::Rgb565, 0xFFFFFFFF, 0xFFFFFFFF},
        {host::PixelFormat::Rgb565, 0xFF08FC04, 0xFF08FF00},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << int(c.format) << " " << std::hex << c.in);
        Canvas canvas(7, 5, c.format, 0xFF000000);
        SolidBrush b(c.in);
        ASSERT_EQ(canvas.g->fillRectangle(&b, 1, 1, 3, 2), Status::Ok);
        EXPECT_EQ(canvas.at(2, 2), c.out);
        EXPECT_EQ(canvas.at(0, 0), 0xFF000000u);
        EXPECT_EQ(canvas.at(4, 1), 0xFF000000u);
        // Set and get agree with what drawing stores.
        Bitmap direct(1, 1, c.format);
        direct.setPixel(0, 0, c.in);
        Argb back = 0;
        direct.getPixel(0, 0, &back);
        EXPECT_EQ(back, c.out);
    }
}

// 24-bit rows (and rows cairo cannot use in place) are drawn through a
// shadow: bytes outside the drawn area, row padding included, stay as they were.
TEST(PixelFormatTest, ShadowedSurfacesKeepUntouchedBytes) {
    const struct {
        host::PixelFormat format;
        int width;
        int stride;
    } cases[] = {
        {host::PixelFormat::Rgb24, 5, 17},
        {host::PixelFormat::Rgb565, 3, 7},
        {host::PixelFormat::Argb32, 4, 18},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.format));
        const int height = 6;
        std::vector<uint8_t> pixels(size_t(c.stride) * height, 0xAB);
        host::Surface s{pixels.data(), c.width, height, c.stride, c.format};
        std::unique_ptr<Graphics> g;
        ASSERT_EQ(Graphics::create(&s, &g), Status::Ok);
        SolidBrush red(0xFFFF0000);
        g->fillRectangle(&red, 1, 2, 2, 2);
        Argb p = 0;
        ASSERT_EQ(readPixel(s, 1, 2, &p), Status::Ok);
        EXPECT_EQ(p, 0xFFFF0000u);
        ASSERT_EQ(readPixel(s, 2, 3, &p), Status::Ok);
        EXPECT_EQ(p, 0xFFFF0000u);
        const int bpp = Bitmap::bytesPerPixel(c.format);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < c.stride; ++x) {
                const bool drawn = y >= 2 && y < 4 && x >= bpp && x < 3 * bpp;
                if (!drawn) {
                    ASSERT_EQ(pixels[size_t(y) * c.stride + x], 0xAB) << x << "," << y;
                }
            }
        // The host may change its pixels between calls: drawing sees them.
        writePixel(s, 0, 0, 0xFF00FF00);
        g->fillRectangle(&red, 0, 1, 1, 1);
        ASSERT_EQ(readPixel(s, 0, 0, &p), Status::Ok);
        EXPECT_EQ(p, 0xFF00FF00u);
    }
}

TEST(PixelFormatTest, BadSurfacesAreRefused) {
    std::vector<uint8_t> px(64);
    std::unique_ptr<Graphics> g;
    host::Surface tooNarrow{px.data(), 8, 2, 8, host::PixelFormat::Rgb24};
    EXPECT_EQ(Graphics::create(&tooNarrow, &g), Status::InvalidParameter);
    host::Surface noPixels{nullptr, 8, 2, 32, host::PixelFormat::Argb32};
    EXPECT_EQ(Graphics::create(&noPixels, &g), Status::InvalidParameter);
    host::Surface badFormat{px.data(), 2, 2, 16, host::PixelFormat(7)};
    EXPECT_EQ(Graphics::create(&badFormat, &g), Status::InvalidParameter);
    EXPECT_EQ(Graphics::create(static_cast<host::HDC>(nullptr), &g), Status::InvalidParameter);
    Bitmap none(0, 5, host::PixelFormat::Argb32);
    EXPECT_FALSE(none.valid());
    EXPECT_EQ(Graphics::create(&none, &g), Status::InvalidParameter);
    Argb c;
    Bitmap ok(2, 2, host::PixelFormat::Argb32);
    EXPECT_EQ(ok.getPixel(2, 0, &c), Status::InvalidParameter);
    EXPECT_EQ(ok.setPixel(-1, 0, 0), Status::InvalidParameter);
}

TEST(PixelFormatTest, ArgbKeepsAlphaAndBlends) {
    Canvas c(4, 4, host::PixelFormat::Argb32, 0x00000000);
    SolidBrush half(0x80FF0000);
    c.g->fillRectangle(&half, 0, 0, 4, 4);
    const Argb p = c.at(1, 1);
    EXPECT_EQ(alphaOf(p), 0x80);
    EXPECT_EQ(redOf(p), 0xFF);
    Canvas opaque(4, 4, host::PixelFormat::Rgb24, 0xFF0000FF);
    opaque.g->fillRectangle(&half, 0, 0, 4, 4);
    const Argb q = opaque.at(1, 1);
    EXPECT_NEAR(redOf(q), 0x80, 1);
    EXPECT_NEAR(blueOf(q), 0x7F, 1);
}

TEST(PixelFormatTest, PngRoundTrip) {
    Canvas c(8, 8, host::PixelFormat::Rgb565, 0xFF000000);
    SolidBrush b(0xFFF8FC00);
    c.g->fillRectangle(&b, 2, 2, 4, 4);
    const std::string path = std::string(TEST_BINARY_DIR) + "/gfx_png_round_trip.png";
    ASSERT_EQ(savePng(c.bitmap, path), Status::Ok);
    Bitmap back;
    ASSERT_EQ(loadPng(path, &back), Status::Ok);
    Argb p = 0;
    back.getPixel(3, 3, &p);
    EXPECT_EQ(p, c.at(3, 3));
    EXPECT_EQ(savePng(c.bitmap, "/nonexistent-dir/x.png"), Status::GenericError);
    EXPECT_EQ(loadPng("/nonexistent-dir/x.png", &back), Status::GenericError);
}

}  // namespace
}  // namespace platform::gfx
