// The render thread: the one-frame lag of double buffering, drawing straight
// on the surface without it, the snapshot copy, and shutdown mid-render.
#include <gtest/gtest.h>

#include "tests/zentra/config/config_file.h"
#include "tests/zentra/frame/frame_display.h"
#include "tests/zentra/frame/frame_host.h"
#include "tests/zentra/frame/spy_display.h"
#include "zentra/frame/display_registry.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

using testing::airspeedColour;
using testing::FrameDisplay;
using testing::FrameHost;
using testing::PlacedGauge;

constexpr uint32_t kBlack = 0xFF000000u;

class RenderThreadTest : public ::testing::Test {
  protected:
    void SetUp() override {
        liveSnapshot() = SimSnapshot{};
        host.viewMode = 2;
    }
    void configure(const std::string& keys) {
        config_test::ConfigFile file("[PFD]\n" + keys);
        display.loadSettings(file.path());
    }
    void draw(double airspeed) {
        liveSnapshot().simTime += 1.0;
        liveSnapshot().indicatedAirspeed = airspeed;
        vc.setOnScreenMark();  // the host took the last picture
        display.onDraw(&vc.header);
    }

    FrameHost host;
    FrameDisplay display;
    PlacedGauge vc;
};

TEST(FrameSettings, MultiThreadingDecidesWhetherDoubleBufferingIsRead) {
    struct Case {
        const char* keys;
        bool multiThreading;
        bool doubleBuffering;
    } cases[] = {
        {"", true, true},
        {"MultiThreading=FALSE\nDoubleBuffering=TRUE\n", false, false},
        {"MultiThreading=2\n", true, true},  // not a boolean word: the default
        {"MultiThreading=1\nDoubleBuffering=0\n", true, false},
        {"DoubleBuffering=7\n", true, true},
    };
    for (const Case& c : cases) {
        config_test::ConfigFile file(std::string("[ND]\n") + c.keys);
        const FrameSettings s = readFrameSettings(file.path(), "ND");
        EXPECT_EQ(s.multiThreading, c.multiThreading) << c.keys;
        EXPECT_EQ(s.doubleBuffering, c.doubleBuffering) << c.keys;
    }
    config_test::ConfigFile file(
        "[ND]\nPopupWindowId=10200\nFontQuality=CLEAR_TYPE\nAntiAliasing=NO\n"
        "DayBrightness=0.9\nNightBrightness=0.2\nSizeX=800\nSizeY=600\nIgnoredRedraws=3\n");
    const FrameSettings s = readFrameSettings(file.path(), "ND");
    EXPECT_EQ(s.popupWindowId, 10200);
    EXPECT_EQ(s.quality.fontQuality, FontQuality::ClearType);
    EXPECT_FALSE(s.quality.antiAliasing);
    EXPECT_FLOAT_EQ(s.dayBrightness, 0.9f);
    EXPECT_FLOAT_EQ(s.nightBrightness, 0.2f);
    EXPECT_FLOAT_EQ(s.sizeX, 800.0f);
    EXPECT_FLOAT_EQ(s.sizeY, 600.0f);
    EXPECT_EQ(s.ignoredRedraws, 3);
}

TEST_F(RenderThreadTest, WithDoubleBufferingTheSurfaceShowsThePreviousFrame) {
    configure("");
    draw(1);
    display.waitForRender();
    EXPECT_EQ(vc.pixel(5, 5), kBlack);  // nothing ready at the first paint
    EXPECT_TRUE(vc.onScreenMark());
    EXPECT_EQ(display.renders, 1);

    draw(2);
    EXPECT_EQ(vc.pixel(5, 5), airspeedColour(1));
    EXPECT_FALSE(vc.onScreenMark());
    draw(3);
    EXPECT_EQ(vc.pixel(5, 5), airspeedColour(2));
    display.waitForRender();
    EXPECT_EQ(display.renders, 3);
}

TEST_F(RenderThreadTest, TheRenderReadsTheSnapshotOfItsFrame) {
    configure("");
    display.renderDelayMs = 20;
    draw(1);
    liveSnapshot().indicatedAirspeed = 3;  // the sampler moves on mid-render
    draw(2);
    EXPECT_EQ(vc.pixel(5, 5), airspeedColour(1));
}

TEST_F(RenderThreadTest, WithoutDoubleBufferingTheThreadDrawsOnTheSurface) {
    configure("DoubleBuffering=0\n");
    draw(1);
    display.waitForRender();
    EXPECT_EQ(vc.pixel(5, 5), airspeedColour(1));
    EXPECT_FALSE(vc.onScreenMark());
    EXPECT_FALSE(display.fullRedraw());
}

TEST_F(RenderThreadTest, AResizeIsLaidOutOnTheGaugeThreadBeforeTheRender) {
    configure("");
    draw(1);
    draw(2);
    const int layouts = display.layouts;
    vc.resize(32, 32);
    draw(3);
    EXPECT_EQ(display.layouts, layouts + 1);  // counted before the wait below
    draw(1);
    EXPECT_EQ(vc.pixel(31, 31), airspeedColour(3));
}

TEST_F(RenderThreadTest, ARegisteredDisplayIsWaitedForByTheModuleWideWait) {
    configure("DoubleBuffering=0\n");
    display.renderDelayMs = 20;
    draw(2);
    waitForRegisteredRenders();
    EXPECT_EQ(vc.pixel(5, 5), airspeedColour(2));
}

TEST_F(RenderThreadTest, ShutdownWithARenderInFlightLetsItFinishFirst) {
    configure("");
    display.renderDelayMs = 30;
    draw(1);
    display.shutdown();
    EXPECT_EQ(display.renders, 1);
    // A later paint after a new configuration starts a new thread.
    configure("");
    display.renderDelayMs = 0;
    draw(2);
    display.waitForRender();
    EXPECT_EQ(display.renders, 2);
}

}  // namespace
}  // namespace zentra
