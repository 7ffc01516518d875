// The debug gauge: its section, its rows and its picture.
#include "zentra/frame/debug_display.h"

#include <gtest/gtest.h>

#include "tests/zentra/config/config_file.h"
#include "tests/zentra/frame/frame_host.h"
#include "tests/zentra/frame/spy_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

using testing::FrameHost;
using testing::PlacedGauge;

constexpr uint32_t kRed = 0xFFFF0000u;
constexpr uint32_t kBlack = 0xFF000000u;

// A one-pixel rule drawn smooth covers a pixel at least half in red.
bool reddish(uint32_t argb) { return (argb >> 16 & 0xFF) >= 0x7F && (argb & 0xFFFF) == 0; }

class Debug : public ::testing::Test {
  protected:
    void SetUp() override {
        liveSnapshot() = SimSnapshot{};
        host.viewMode = 2;
    }
    void configure(const std::string& keys) {
        config_test::ConfigFile file("[Debug]\n" + keys);
        display.loadSettings(file.path());
    }
    void draw() {
        liveSnapshot().simTime += 1.0;
        gauge.setOnScreenMark();
        display.onDraw(&gauge.header);
    }

    FrameHost host;
    DebugDisplay display{nullptr};
    PlacedGauge gauge{100, 200};
};

TEST_F(Debug, DefaultsDrawATitleBandAndFourRowsOfFortyPixels) {
    configure("");
    draw();
    EXPECT_EQ(display.numberOfLines(), 4);
    EXPECT_EQ(display.rowHeight(), 40);
    EXPECT_EQ(gauge.pixel(50, 5), kRed);        // title band
    EXPECT_EQ(gauge.pixel(50, 60), kBlack);     // row background
    EXPECT_TRUE(reddish(gauge.pixel(50, 80)));  // rule under row 1
    EXPECT_TRUE(reddish(gauge.pixel(0, 100)));  // outline
    EXPECT_FALSE(gauge.onScreenMark());
}

TEST_F(Debug, RowTextsComeFromCodeAndFromTheHostsNamedVariables) {
    configure("NumberOfLines=1\n");
    EXPECT_EQ(display.rowSize(), 10000);
    display.setRowText(0, "GEAR DOWN");
    EXPECT_STREQ(display.rowText(0), "GEAR DOWN");
    display.setRowText(1, "outside");  // ignored
    host.named["Debug Row 1"] = 12.5;
    draw();
    EXPECT_STREQ(display.rowText(0), "12.50");
}

TEST_F(Debug, LongTextsAreCutToTheirRow) {
    configure("NumberOfLines=5000\n");
    EXPECT_EQ(display.rowSize(), 2);
    display.setRowText(0, "ABC");
    display.setRowText(1, "XY");
    EXPECT_STREQ(display.rowText(0), "A");
    EXPECT_STREQ(display.rowText(1), "X");
}

TEST_F(Debug, NoRowsOrNegativeRowsShowTheTitleAlone) {
    for (const char* keys : {"NumberOfLines=0\n", "NumberOfLines=-3\n"}) {
        configure(keys);
        draw();
        EXPECT_EQ(display.numberOfLines(), 0) << keys;
        EXPECT_EQ(display.rowHeight(), 200) << keys;
        EXPECT_EQ(gauge.pixel(50, 150), kRed) << keys;
        display.setRowText(0, "x");
        EXPECT_STREQ(display.rowText(0), "");
    }
}

TEST_F(Debug, ColoursComeFromTheSection) {
    configure("ForegroundColor=0,0,255\nBackgroundColor=0,255,0\n");
    draw();
    EXPECT_EQ(gauge.pixel(50, 5), 0xFF0000FFu);
    EXPECT_EQ(gauge.pixel(50, 60), 0xFF00FF00u);
}

}  // namespace
}  // namespace zentra
