#pragma once
// A small surface to draw on and probe.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/graphics.h"
#include "platform/gfx/png_file.h"

namespace platform::gfx::testing {

struct Canvas {
    Bitmap bitmap;
    std::unique_ptr<Graphics> g;

    Canvas(int w, int h, host::PixelFormat format = host::PixelFormat::Argb32,
           Argb background = 0xFFFFFFFF)
        : bitmap(w, h, format) {
        EXPECT_EQ(Graphics::create(&bitmap, &g), Status::Ok);
        g->clear(background);
    }

    Argb at(int x, int y) const {
        Argb c = 0;
        EXPECT_EQ(bitmap.getPixel(x, y, &c), Status::Ok) << x << "," << y;
        return c;
    }

    // Pictures go to the build tree, for looking at.
    void save(const std::string& name) const {
        const std::filesystem::path dir =
            std::filesystem::path(TEST_BINARY_DIR) / "artifacts" / "platform_gfx";
        std::filesystem::create_directories(dir);
        EXPECT_EQ(savePng(bitmap, (dir / name).string()), Status::Ok);
    }
};

inline constexpr Argb kWhite = 0xFFFFFFFF;
inline constexpr Argb kBlack = 0xFF000000;
inline constexpr Argb kRed = 0xFFFF0000;
inline constexpr Argb kGreen = 0xFF00FF00;
inline constexpr Argb kBlue = 0xFF0000FF;

}  // namespace platform::gfx::testing
