// The display gauges' dispatch: one object per type, its life over connects
// and disconnects, and the power-state step on each new SimTime.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "host/services.h"
#include "tests/zentra/frame/frame_host.h"
#include "tests/zentra/frame/spy_display.h"
#include "zentra/frame/debug_display.h"
#include "zentra/frame/display_registry.h"
#include "zentra/nd/nd_display.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

using testing::PlacedGauge;
using testing::spyCounts;
using testing::SpyDisplay;

class Dispatch : public ::testing::Test {
  protected:
    void SetUp() override {
        spyCounts() = {};
        liveSnapshot() = SimSnapshot{};
        setDisplayFactory(&testing::spyFactory);
    }
    void TearDown() override { setDisplayFactory(nullptr); }
    static void setSimTime(double t) { liveSnapshot().simTime = t; }
};

TEST_F(Dispatch, TwoWindowsShowingThePfdShareOneObject) {
    PlacedGauge panel, cockpit;
    pfdCallback(&panel.header, host::kConnectToWindow, 0);
    DisplayBase* pfd = displayObject(DisplayType::Pfd);
    ASSERT_NE(pfd, nullptr);
    EXPECT_EQ(static_cast<SpyDisplay*>(pfd)->header(), &panel.header);
    pfdCallback(&cockpit.header, host::kConnectToWindow, 0);
    EXPECT_EQ(displayObject(DisplayType::Pfd), pfd);
    EXPECT_EQ(connectCount(DisplayType::Pfd), 2);
    EXPECT_EQ(spyCounts().created, 1);

    pfdCallback(&panel.header, host::kDisconnect, 0);
    EXPECT_EQ(displayObject(DisplayType::Pfd), pfd);
    EXPECT_EQ(spyCounts().destroyed, 0);
    pfdCallback(&cockpit.header, host::kDisconnect, 0);
    EXPECT_EQ(displayObject(DisplayType::Pfd), nullptr);
    EXPECT_EQ(spyCounts().destroyed, 1);
    EXPECT_EQ(registeredDisplayCount(), 0);

    pfdCallback(&panel.header, host::kConnectToWindow, 0);  // a later connect makes a new one
    EXPECT_EQ(spyCounts().created, 2);
    pfdCallback(&panel.header, host::kDisconnect, 0);
}

TEST_F(Dispatch, EachTypeHasItsOwnObject) {
    setDisplayFactory(nullptr);
    PlacedGauge g;
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    ndCallback(&g.header, host::kConnectToWindow, 0);
    debugCallback(&g.header, host::kConnectToWindow, 0);
    EXPECT_NE(dynamic_cast<PfdDisplay*>(displayObject(DisplayType::Pfd)), nullptr);
    EXPECT_NE(dynamic_cast<NdDisplay*>(displayObject(DisplayType::Nd)), nullptr);
    EXPECT_NE(dynamic_cast<DebugDisplay*>(displayObject(DisplayType::Debug)), nullptr);
    EXPECT_EQ(displayObject(DisplayType::Eicas), nullptr);
    EXPECT_STREQ(displayObject(DisplayType::Nd)->sectionName(), "ND");
    EXPECT_EQ(registeredDisplayCount(), 3);
    pfdCallback(&g.header, host::kDisconnect, 0);
    ndCallback(&g.header, host::kDisconnect, 0);
    debugCallback(&g.header, host::kDisconnect, 0);
    EXPECT_EQ(registeredDisplayCount(), 0);
}

TEST_F(Dispatch, PowerStateMovesOnlyWhenSimTimeMoves) {
    PlacedGauge g;
    setSimTime(5.0);
    eicasCallback(&g.header, host::kConnectToWindow, 0);  // no object yet: nothing to update
    EXPECT_EQ(spyCounts().powerUpdates, 0);
    struct Step {
        double simTime;
        int32_t service;
        int updatesAfter;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Step steps[] = {
        {5.0, host::kPreUpdate, 0},  // the time stored at connect
        {5.0, host::kPreDraw, 0},    // paused
        {5.5, host::kPreUpdate, 1},  // a new step, whatever the service
        {5.5, host::kPreDraw, 1},
        {5.5, 99, 1},  // unknown services still store the time
        {6.0, 99, 2},
        {6.0, host::kPreUpdate, 2},
        {nan, host::kPreUpdate, 3},  // not a number on either side counts as moved
        {nan, host::kPreUpdate, 4},
        {4.0, host::kPreUpdate, 5},  // backwards is a change too
    };
    for (const Step& s : steps) {
        setSimTime(s.simTime);
        eicasCallback(&g.header, s.service, 0);
        EXPECT_EQ(spyCounts().powerUpdates, s.updatesAfter) << s.simTime << " " << s.service;
    }
    eicasCallback(&g.header, host::kDisconnect, 0);
}

TEST_F(Dispatch, TheDebugGaugeHasNoPowerStep) {
    PlacedGauge g;
    debugCallback(&g.header, host::kConnectToWindow, 0);
    for (double t : {1.0, 2.0, 3.0}) {
        setSimTime(t);
        debugCallback(&g.header, host::kPreUpdate, 0);
        debugCallback(&g.header, host::kPreDraw, 0);
        debugCallback(&g.header, host::kPreKill, 0);
    }
    EXPECT_EQ(spyCounts().powerUpdates, 0);
    debugCallback(&g.header, host::kDisconnect, 0);
    EXPECT_EQ(spyCounts().destroyed, 1);
}

TEST_F(Dispatch, ADisconnectWithoutAConnectNeverDestroys) {
    PlacedGauge g;
    ndCallback(&g.header, host::kDisconnect, 0);
    EXPECT_EQ(connectCount(DisplayType::Nd), -1);
    ndCallback(&g.header, host::kConnectToWindow, 0);  // count was not 0: no object
    EXPECT_EQ(displayObject(DisplayType::Nd), nullptr);
    ndCallback(&g.header, host::kConnectToWindow, 0);
    EXPECT_NE(displayObject(DisplayType::Nd), nullptr);
    EXPECT_EQ(connectCount(DisplayType::Nd), 1);
    ndCallback(&g.header, host::kDisconnect, 0);
    EXPECT_EQ(displayObject(DisplayType::Nd), nullptr);
    EXPECT_EQ(spyCounts().destroyed, 1);
}

TEST_F(Dispatch, DebugMakesItsObjectWhateverTheCount) {
    PlacedGauge g;
    debugCallback(&g.header, host::kDisconnect, 0);
    debugCallback(&g.header, host::kConnectToWindow, 0);
    EXPECT_EQ(connectCount(DisplayType::Debug), 0);
    EXPECT_NE(displayObject(DisplayType::Debug), nullptr);
}

TEST_F(Dispatch, AnObjectThatCannotBeMadeLeavesTheTypeIdle) {
    setDisplayFactory([](DisplayType, host::GaugeHeader*) -> DisplayBase* { return nullptr; });
    PlacedGauge g;
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    EXPECT_EQ(connectCount(DisplayType::Pfd), 2);
    for (int32_t service : {6, 10, 12, 16, 17}) pfdCallback(&g.header, service, 0);
    pfdCallback(&g.header, host::kDisconnect, 0);
    pfdCallback(&g.header, host::kDisconnect, 0);
    EXPECT_EQ(connectCount(DisplayType::Pfd), 0);
    EXPECT_EQ(displayObject(DisplayType::Pfd), nullptr);
}

TEST_F(Dispatch, AnUnconfiguredDisplayDoesNotPaint) {
    testing::FrameHost host;
    host.viewMode = 2;  // the surface is a virtual-cockpit one
    PlacedGauge g;
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    setSimTime(1.0);
    pfdCallback(&g.header, host::kPreDraw, 0);
    EXPECT_EQ(spyCounts().paints, 0);

    loadSettingsIntoRegisteredDisplays("plain.ini");
    setSimTime(2.0);
    pfdCallback(&g.header, host::kPreDraw, 0);
    EXPECT_EQ(spyCounts().paints, 1);
    pfdCallback(&g.header, host::kPreDraw, 0);  // paused: the picture stays
    EXPECT_EQ(spyCounts().paints, 1);

    PlacedGauge noSurface;
    noSurface.surface.hdc = nullptr;
    setSimTime(3.0);
    pfdCallback(&noSurface.header, host::kPreDraw, 0);
    EXPECT_EQ(spyCounts().paints, 1);
    pfdCallback(&g.header, host::kDisconnect, 0);
}

TEST(SurfaceElement, IsTheFirstChildOfTheFirstElement) {
    PlacedGauge g;
    EXPECT_EQ(surfaceElement(&g.header), &g.surface);
    EXPECT_EQ(surfaceElement(nullptr), nullptr);
    g.background.header.children = nullptr;
    EXPECT_EQ(surfaceElement(&g.header), nullptr);
    host::GaugeHeader empty;
    EXPECT_EQ(surfaceElement(&empty), nullptr);
}

}  // namespace
}  // namespace zentra
