// Surfaces of one display: which draw call paints which surface, traced
// line by line and checked on the pixels.
#include <gtest/gtest.h>

#include <cstdarg>
#include <cstdio>
#include <string>

#include "tests/zentra/config/config_file.h"
#include "tests/zentra/frame/frame_display.h"
#include "tests/zentra/frame/frame_host.h"
#include "tests/zentra/frame/spy_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

using testing::airspeedColour;
using testing::FrameDisplay;
using testing::FrameHost;
using testing::PlacedGauge;

constexpr uint32_t kBlack = 0xFF000000u;

int hdc(const PlacedGauge& g) { return int(uint32_t(reinterpret_cast<uintptr_t>(&g.pixels))); }

std::string lines(const char* format, ...) {
    char text[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    return text;
}

class Redraw : public ::testing::Test {
  protected:
    void SetUp() override {
        liveSnapshot() = SimSnapshot{};
        host.viewMode = 2;
    }
    // Settings for the display, then its trace switched on.
    void configure(const std::string& keys) {
        config_test::ConfigFile file("[PFD]\n" + keys);
        display.loadSettings(file.path());
        display.setTraceOn(true);
    }
    // One simulation step: the airspeed names the colour painted.
    void step(double airspeed) {
        liveSnapshot().simTime += 1.0;
        liveSnapshot().indicatedAirspeed = airspeed;
    }
    std::string takeTrace() {
        std::string t = display.traceText();
        display.clearTrace();
        return t;
    }

    FrameHost host;
    FrameDisplay display;
    PlacedGauge vc, popup;
};

TEST_F(Redraw, AVirtualCockpitSurfaceThenAPopupWindowOpensAndCloses) {
    configure("MultiThreading=0\n");
    step(1);
    display.onDraw(&vc.header);
    EXPECT_EQ(takeTrace(), lines("RE-DRAW HDC %d:\n- Creating context #0\n"
                                 "- Resizing from 0 X 0 to 16 X 16\n"
                                 "Finally REDRAWING - Value of Airspeed is 1.00\n",
                                 hdc(vc)));
    EXPECT_EQ(vc.pixel(3, 3), airspeedColour(1));
    EXPECT_FALSE(vc.onScreenMark());

    display.onPanelOpen(&popup.header);
    display.onUpdate();
    EXPECT_EQ(takeTrace(), lines("OPEN - HDC = %d\nUPDATE :\n - Processing OPEN event (HDC = %d)\n"
                                 " - Creating context #1: HDC = %d\n",
                                 hdc(popup), hdc(popup), hdc(popup)));
    ASSERT_EQ(display.contextCount(), 2);
    EXPECT_FALSE(display.context(1)->isVC);

    // The cockpit surface is blanked once, then left alone; the popup paints.
    step(2);
    vc.setOnScreenMark();
    display.onDraw(&vc.header);
    EXPECT_EQ(vc.pixel(3, 3), kBlack);
    EXPECT_FALSE(vc.onScreenMark());
    display.onDraw(&popup.header);
    EXPECT_EQ(popup.pixel(3, 3), airspeedColour(2));
    step(3);
    display.clearTrace();
    display.onDraw(&vc.header);
    EXPECT_EQ(takeTrace(), lines("RE-DRAW HDC %d:\n- Existing context #0 found (VC)\n"
                                 "- Redrawing ignored (noRedraw)\n",
                                 hdc(vc)));
    EXPECT_EQ(vc.pixel(3, 3), kBlack);

    display.onPanelClose(&popup.header);
    display.onUpdate();
    EXPECT_EQ(takeTrace(),
              lines("CLOSE - HDC = %d\nUPDATE :\n - Processing CLOSE event (HDC = %d)\n"
                    " - Existing context #1 closed\nStack is empty\n",
                    hdc(popup), hdc(popup)));
    step(3);
    display.onDraw(&popup.header);
    EXPECT_EQ(popup.pixel(3, 3), kBlack);
    display.onDraw(&vc.header);
    EXPECT_EQ(vc.pixel(3, 3), airspeedColour(3));
}

TEST_F(Redraw, AVirtualCockpitSurfacePaintsOnlyInTheVirtualCockpitView) {
    configure("MultiThreading=0\n");
    host.viewMode = 1;
    step(1);
    display.onDraw(&vc.header);
    EXPECT_EQ(takeTrace(), lines("RE-DRAW HDC %d:\n- Creating context #0\n"
                                 "- Redrawing inapropriate (2D/VC)\n",
                                 hdc(vc)));
    EXPECT_EQ(vc.pixel(0, 0), kBlack);
    host.viewMode = 2;
    display.onDraw(&vc.header);
    EXPECT_EQ(vc.pixel(0, 0), airspeedColour(1));
}

TEST_F(Redraw, APopupSurfacePaintsWhileItsWindowOrTheMainPanelIsShown) {
    configure("MultiThreading=0\nPopupWindowId=10200\n");
    display.onPanelOpen(&popup.header);
    display.onUpdate();
    host.visibleWindows = {};
    step(1);
    display.onDraw(&popup.header);
    EXPECT_EQ(popup.pixel(0, 0), kBlack);
    host.visibleWindows = {10200};
    display.onDraw(&popup.header);
    EXPECT_EQ(popup.pixel(0, 0), airspeedColour(1));
}

TEST_F(Redraw, TwoOpensBeforeOneUpdateStackTheFirst) {
    configure("MultiThreading=0\n");
    PlacedGauge third;
    display.onPanelOpen(&popup.header);
    display.onPanelOpen(&third.header);
    EXPECT_EQ(takeTrace(), lines("OPEN - HDC = %d\nOPEN - HDC = %d\n"
                                 "Open Event not processed yet -> Stacking HDC %d\n"
                                 "Pushing HDC %d - Now 1 elements in the stack\n",
                                 hdc(popup), hdc(third), hdc(popup), hdc(popup)));
    display.onUpdate();
    ASSERT_EQ(display.contextCount(), 1);
    EXPECT_EQ(display.context(0)->hdc, &third.pixels);

    display.onPanelClose(&third.header);
    display.onUpdate();
    display.clearTrace();
    EXPECT_EQ(display.hdcStackDepth(), 0);
    display.onUpdate();  // the stacked open comes back now
    EXPECT_EQ(takeTrace(), lines("UPDATE :\n - Processing OPEN event (HDC = %d)\n"
                                 " - Creating context #1: HDC = %d\n",
                                 hdc(popup), hdc(popup)));
}

TEST_F(Redraw, AnOpenThenACloseBeforeAnUpdateOpensFirst) {
    configure("MultiThreading=0\n");
    display.onPanelOpen(&popup.header);
    display.onPanelClose(&popup.header);
    display.clearTrace();
    display.onUpdate();
    EXPECT_EQ(takeTrace(), lines("UPDATE :\n - Processing OPEN event (HDC = %d)\n"
                                 " - Creating context #0: HDC = %d\n",
                                 hdc(popup), hdc(popup)));
    display.onUpdate();
    EXPECT_EQ(takeTrace(), lines("UPDATE :\n - Processing CLOSE event (HDC = %d)\n"
                                 " - Existing context #0 closed\nStack is empty\n",
                                 hdc(popup)));
}

TEST_F(Redraw, AFullStackDropsFurtherOpensWithoutOverrunning) {
    configure("MultiThreading=0\n");
    std::vector<std::unique_ptr<PlacedGauge>> gauges;
    for (int i = 0; i < DisplayBase::kHdcStackSize + 5; ++i) {
        gauges.push_back(std::make_unique<PlacedGauge>(2, 2));
        display.onPanelOpen(&gauges.back()->header);
    }
    EXPECT_EQ(display.hdcStackDepth(), DisplayBase::kHdcStackSize);
}

TEST_F(Redraw, BeyondFiftySurfacesADrawCallIsSkipped) {
    configure("MultiThreading=0\n");
    std::vector<std::unique_ptr<PlacedGauge>> gauges;
    for (int i = 0; i <= DisplayBase::kMaxContexts; ++i) {
        gauges.push_back(std::make_unique<PlacedGauge>(2, 2));
        step(1);
        display.onDraw(&gauges.back()->header);
    }
    EXPECT_EQ(display.contextCount(), DisplayBase::kMaxContexts);
    EXPECT_EQ(gauges.back()->pixel(0, 0), kBlack);
    EXPECT_EQ(gauges.front()->pixel(0, 0), airspeedColour(1));
}

TEST_F(Redraw, AResizedSurfaceIsLaidOutAnewAndPaintedWhole) {
    configure("MultiThreading=0\n");
    step(1);
    display.onDraw(&vc.header);
    const int layouts = display.layouts;
    vc.resize(24, 20);
    display.clearTrace();
    step(2);
    display.onDraw(&vc.header);
    EXPECT_EQ(takeTrace(), lines("RE-DRAW HDC %d:\n- Existing context #0 found (VC)\n"
                                 "- Resizing from 16 X 16 to 24 X 20\n"
                                 "Finally REDRAWING - Value of Airspeed is 2.00\n",
                                 hdc(vc)));
    EXPECT_EQ(display.layouts, layouts + 1);
    EXPECT_EQ(vc.pixel(23, 19), airspeedColour(2));
}

TEST_F(Redraw, IgnoredRedrawsSkipsThatManyDrawCallsBetweenPaints) {
    configure("MultiThreading=0\nIgnoredRedraws=2\n");
    std::string painted;
    for (int call = 1; call <= 7; ++call) {
        step(1);
        const int before = display.renders;
        display.onDraw(&vc.header);
        painted += display.renders > before ? 'P' : '-';
    }
    EXPECT_EQ(painted, "--P--P-");
}

TEST_F(Redraw, WhileTheSimulationIsPausedNothingIsPaintedAgain) {
    configure("MultiThreading=0\n");
    step(1);
    display.onDraw(&vc.header);
    liveSnapshot().indicatedAirspeed = 2;  // same SimTime
    display.onDraw(&vc.header);
    display.onDraw(&vc.header);
    EXPECT_EQ(display.renders, 1);
    EXPECT_EQ(vc.pixel(0, 0), airspeedColour(1));
}

TEST_F(Redraw, TheTraceStaysOffUnlessSwitchedOn) {
    config_test::ConfigFile file("[PFD]\nMultiThreading=0\n");
    display.loadSettings(file.path());
    step(1);
    display.onDraw(&vc.header);
    EXPECT_EQ(display.traceText(), "");
}

TEST_F(Redraw, MissingHeaderElementOrSurfaceMakesNoContext) {
    configure("MultiThreading=0\n");
    PlacedGauge noSurface;
    noSurface.surface.hdc = nullptr;
    display.onDraw(nullptr);
    display.onDraw(&noSurface.header);
    EXPECT_EQ(display.contextCount(), 0);
}

}  // namespace
}  // namespace zentra
