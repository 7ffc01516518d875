#include "zentra/draw/style_table.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zentra {
namespace {

constexpr uint32_t rgb(uint32_t r, uint32_t g, uint32_t b) { return b << 16 | g << 8 | r; }

TEST(ColorInUse, BrightnessScalesEachChannelAndSaturates) {
    const struct {
        uint32_t configured;
        float brightness;
        uint32_t expected;
    } cases[] = {
        {rgb(200, 100, 0), 0.4f, 0xFF502800}, {rgb(200, 100, 0), 2.0f, 0xFFFFC800},
        {rgb(255, 150, 0), 1.0f, 0xFFFF9600}, {rgb(0, 0, 255), 1.0f, 0xFF0000FF},
        {rgb(10, 20, 30), 0.0f, 0xFF000000},  {rgb(10, 20, 30), -1.0f, 0xFF000000},
        {rgb(99, 99, 99), 0.5f, 0xFF313131},  // 49.5 truncated
        {rgb(10, 20, 30), NAN, 0xFF000000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(colorInUse(c.configured, c.brightness), c.expected)
            << std::hex << c.configured << " x " << c.brightness;
    }
}

TEST(StyleTable, EachKindBuildsItsPenAndBrush) {
    struct Case {
        StyleKind kind;
        bool pen;
        std::vector<float> dash;
        int brush;  // -1 none, 0 solid, else hatch style
    };
    const Case cases[] = {
        {StyleKind::Pen, true, {}, -1},
        {StyleKind::PenAndFill, true, {}, 0},
        {StyleKind::LongDashPen, true, {4, 4}, -1},
        {StyleKind::ShortDashPen, true, {2, 2}, -1},
        {StyleKind::Fill, false, {}, 0},
        {StyleKind::PenAndDiagonalHatch, true, {}, 2},
        {StyleKind::VerticalHatch, false, {}, 24},
    };
    StyleTable table;
    table.reset(int(std::size(cases)));
    for (int i = 0; i < int(std::size(cases)); ++i) {
        table.setStyle(i, cases[i].kind, rgb(0, 255, 0), 3.0f);
    }
    table.refreshStyles(0.5f);
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(table.style(i).colorInUse, 0xFF007F00u);
        ASSERT_EQ(table.pen(i) != nullptr, c.pen);
        if (c.pen) {
            EXPECT_EQ(table.pen(i)->color(), 0xFF007F00u);
            EXPECT_EQ(table.pen(i)->width(), 3.0f);
            EXPECT_EQ(table.pen(i)->unit(), gfx::Unit::World);
            EXPECT_EQ(table.pen(i)->dashPattern(), c.dash);
        }
        ASSERT_EQ(table.brush(i) != nullptr, c.brush >= 0);
        if (c.brush == 0) {
            ASSERT_EQ(table.brush(i)->kind(), gfx::BrushKind::Solid);
            EXPECT_EQ(static_cast<gfx::SolidBrush*>(table.brush(i))->color(), 0xFF007F00u);
        } else if (c.brush > 0) {
            ASSERT_EQ(table.brush(i)->kind(), gfx::BrushKind::Hatch);
            auto* hatch = static_cast<gfx::HatchBrush*>(table.brush(i));
            EXPECT_EQ(int(hatch->style()), c.brush);
            EXPECT_EQ(hatch->foreColor(), 0xFF007F00u);
            EXPECT_EQ(hatch->backColor(), 0u);
        }
    }
}

TEST(StyleTable, TransparentSlotsAndSlotsOutsideTheTableHaveNothing) {
    StyleTable table;
    table.reset(2);
    table.setStyle(0, StyleKind::PenAndFill, 0, 1.0f, true);
    table.setStyle(1, StyleKind::PenAndFill, rgb(1, 2, 3), 1.0f);
    table.refreshStyles(1.0f);
    EXPECT_TRUE(table.isTransparent(0));
    EXPECT_EQ(table.pen(0), nullptr);
    EXPECT_EQ(table.brush(0), nullptr);
    EXPECT_NE(table.pen(1), nullptr);
    EXPECT_EQ(table.pen(-1), nullptr);
    EXPECT_EQ(table.brush(2), nullptr);
    EXPECT_EQ(table.style(99).kind, StyleKind::None);
}

TEST(StyleTable, SettingASlotBeyondTheTableGrowsIt) {
    StyleTable table;
    table.reset(1);
    table.setStyle(5, StyleKind::Fill, rgb(255, 0, 0), 1.0f);
    table.setStyle(-1, StyleKind::Fill, rgb(255, 0, 0), 1.0f);
    EXPECT_EQ(table.count(), 6);
    table.refreshStyles(1.0f);
    ASSERT_NE(table.brush(5), nullptr);
    EXPECT_EQ(static_cast<gfx::SolidBrush*>(table.brush(5))->color(), 0xFFFF0000u);
}

TEST(StyleTable, ApplyBrightnessUpdatesLiveObjectsOnlyWhenAsked) {
    StyleTable table;
    table.reset(3);
    table.setStyle(0, StyleKind::PenAndFill, rgb(200, 200, 200), 1.0f);
    table.setStyle(1, StyleKind::LongDashPen, rgb(200, 200, 200), 1.0f);
    table.setStyle(2, StyleKind::VerticalHatch, rgb(200, 200, 200), 1.0f);
    table.refreshStyles(1.0f);

    table.applyBrightness(0, 0.5f, false);
    EXPECT_EQ(table.style(0).colorInUse, 0xFF646464u);
    EXPECT_EQ(table.pen(0)->color(), 0xFFC8C8C8u);

    for (int slot = 0; slot < 3; ++slot) table.applyBrightness(slot, 0.5f, true);
    EXPECT_EQ(table.pen(0)->color(), 0xFF646464u);
    EXPECT_EQ(static_cast<gfx::SolidBrush*>(table.brush(0))->color(), 0xFF646464u);
    EXPECT_EQ(table.pen(1)->color(), 0xFF646464u);
    EXPECT_EQ(table.pen(1)->dashPattern(), (std::vector<float>{4, 4}));
    EXPECT_EQ(static_cast<gfx::HatchBrush*>(table.brush(2))->foreColor(), 0xFF646464u);
}

}  // namespace
}  // namespace zentra
