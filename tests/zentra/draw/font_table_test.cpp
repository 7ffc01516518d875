#include "zentra/draw/font_table.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(FontTable, FontsByFaceWithTheGenericFamilyAsFallback) {
    FontTable fonts;
    fonts.reset(3);
    fonts.setFont(0, 30, 1, L"DejaVu Sans");
    fonts.setFont(1, 25, 2, L"No Such Face Anywhere");
    fonts.setFont(2, 0, 0, L"DejaVu Sans");  // no size: no font
    fonts.rebuildFonts();

    ASSERT_NE(fonts.font(0), nullptr);
    EXPECT_EQ(fonts.font(0)->family().name(), "DejaVu Sans");
    EXPECT_FLOAT_EQ(fonts.font(0)->size(), 30);
    EXPECT_EQ(fonts.font(0)->style(), 1);
    EXPECT_EQ(fonts.font(0)->unit(), gfx::Unit::Pixel);

    ASSERT_NE(fonts.font(1), nullptr);
    EXPECT_EQ(fonts.font(1)->family().name(), gfx::FontFamily::genericSansSerif().name());
    EXPECT_FLOAT_EQ(fonts.font(1)->size(), 25);
    EXPECT_EQ(fonts.font(1)->style(), 2);

    EXPECT_EQ(fonts.font(2), nullptr);
    EXPECT_EQ(fonts.font(3), nullptr);
    EXPECT_EQ(fonts.font(-1), nullptr);
}

TEST(FontTable, FaceNamesAreCutAndSlotsGrow) {
    FontTable fonts;
    fonts.setFont(4, 10, 0, std::wstring(150, L'x'));
    fonts.setFont(-2, 10, 0, L"ignored");
    EXPECT_EQ(fonts.count(), 5);
    EXPECT_EQ(fonts.fontSpec(4).face.size(), FontSpec::kMaxFaceLength);
    EXPECT_EQ(fonts.fontSpec(0).size, 0);
    EXPECT_EQ(fonts.fontSpec(7).face, L"");
    fonts.rebuildFonts();
    EXPECT_NE(fonts.font(4), nullptr);
    fonts.releaseFonts();
    EXPECT_EQ(fonts.font(4), nullptr);
}

}  // namespace
}  // namespace zentra
