// Power and brightness over SimTime steps: the fade, the lighting target,
// the wheel, and the hand-over through the shared data block.
#include <gtest/gtest.h>

#include "host/services.h"
#include "tests/zentra/config/config_file.h"
#include "tests/zentra/frame/frame_display.h"
#include "tests/zentra/frame/frame_host.h"
#include "tests/zentra/frame/spy_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

using testing::FrameDisplay;
using testing::FrameHost;
using testing::PlacedGauge;

class Power : public ::testing::Test {
  protected:
    void SetUp() override {
        liveSnapshot() = SimSnapshot{};
        liveSnapshot().engineCount = 1;
        host.viewMode = 2;
        config_test::ConfigFile file("[PFD]\nMultiThreading=0\n");
        display.loadSettings(file.path());
    }
    static void setPower(bool on) { liveSnapshot().engines[0].startCounter = on ? 20.0 : 0.0; }
    static void setLighting(int mode) { liveSnapshot().lightingMode = mode; }
    // One SimTime step as the dispatch drives it: power first, then the draw.
    void frame() {
        liveSnapshot().simTime += 1.0;
        display.updatePowerState();
        display.onDraw(&vc.header);
    }

    FrameHost host;
    FrameDisplay display;
    PlacedGauge vc;
};

TEST_F(Power, PowerOnTakesTheLightingTargetAtTheNextPaint) {
    struct Case {
        int lighting;
        float brightness;
    } cases[] = {{0, 1.0f}, {2, 0.7f}, {4, 0.4f}};
    for (const Case& c : cases) {
        setPower(false);
        frame();
        setLighting(c.lighting);
        setPower(true);
        frame();
        EXPECT_EQ(display.powerState(), PowerState::On) << c.lighting;
        EXPECT_FLOAT_EQ(display.displayBrightness(), c.brightness) << c.lighting;
    }
}

TEST_F(Power, PowerLossFadesOverTwentyStepsThenStaysBlack) {
    setPower(true);
    frame();
    ASSERT_FLOAT_EQ(display.displayBrightness(), 1.0f);
    setPower(false);
    int steps = 0;
    while (display.powerState() != PowerState::Off && steps < 100) {
        frame();
        ++steps;
        if (display.powerState() == PowerState::Falling) {
            EXPECT_NEAR(display.displayBrightness(), 1.0f - 0.05f * steps, 1e-4f);
        }
    }
    EXPECT_EQ(steps, 20);
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.0f);
    frame();
    EXPECT_EQ(display.powerState(), PowerState::Off);
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.0f);
}

TEST_F(Power, ALightingChangeWhileOnKeepsTheTargetUntilTheNextPowerOn) {
    setPower(true);
    frame();
    setLighting(4);
    frame();
    EXPECT_FLOAT_EQ(display.targetBrightness(), 1.0f);
    EXPECT_FLOAT_EQ(display.displayBrightness(), 1.0f);
    setPower(false);
    for (int i = 0; i < 25; ++i) frame();
    setPower(true);
    frame();
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.4f);
}

TEST_F(Power, TheWheelStepsOnlyWhileOn) {
    setPower(true);
    frame();
    display.brightnessDown();
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.95f);
    display.brightnessUp();
    display.brightnessUp();
    EXPECT_FLOAT_EQ(display.displayBrightness(), 1.05f);  // no upper limit
    setPower(false);
    frame();
    const float falling = display.displayBrightness();
    display.brightnessUp();
    EXPECT_FLOAT_EQ(display.displayBrightness(), falling);
    for (int i = 0; i < 30; ++i) frame();
    display.brightnessUp();
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.0f);
}

TEST_F(Power, ThePanelOpenSetsOnOrOffFromThePowerWithoutTouchingBrightness) {
    setPower(true);
    display.onPanelOpen(&vc.header);
    EXPECT_EQ(display.powerState(), PowerState::On);
    EXPECT_FLOAT_EQ(display.displayBrightness(), 0.0f);
    setPower(false);
    display.onPanelOpen(&vc.header);
    EXPECT_EQ(display.powerState(), PowerState::Off);
}

TEST_F(Power, RisingPublishesTheBrightnessAtEachStep) {
    setPower(true);
    frame();                          // rising, target not yet known: on at once
    EXPECT_EQ(display.publishes, 2);  // the rising step, then the lighting target
}

}  // namespace
}  // namespace zentra
