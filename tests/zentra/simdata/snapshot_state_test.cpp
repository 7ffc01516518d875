// Sampler state carried between frames: the ground reference, the engine
// start counters behind IsPowered, and snapshot copies bound to a thread.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/zentra/simdata/fake_host.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {
namespace {

using testing::FakeHost;

class SnapshotState : public ::testing::Test {
  protected:
    void SetUp() override { liveSnapshot() = SimSnapshot{}; }
    FakeHost host;
};

TEST_F(SnapshotState, HeightIsMeasuredFromTheLastGroundContact) {
    host.setNumber(60, 1.0);  // on a runway 500 m high
    host.setNumber(614, 500.0);
    host.setNumber(2, 39016.0);
    sampleFrame();
    EXPECT_EQ(HeightAboveLastGround(), 0.0);
    EXPECT_EQ(HeightAboveLastGroundInt(), 0);

    host.setNumber(60, 0.0);  // airborne, 100 m up, over other terrain
    host.setNumber(614, 600.0);
    host.setNumber(2, 1000.0);
    sampleFrame();
    EXPECT_NEAR(HeightAboveLastGround(), 328.08, 1e-9);
    EXPECT_EQ(HeightAboveLastGroundInt(), 328);

    host.setNumber(60, 1.0);  // landed on a higher field
    host.setNumber(614, 800.0);
    sampleFrame();
    host.setNumber(60, 0.0);
    host.setNumber(614, 810.0);
    sampleFrame();
    EXPECT_NEAR(HeightAboveLastGround(), 32.808, 1e-9);
}

TEST_F(SnapshotState, BatteryAloneMakesThePowerOn) {
    host.setNumber(364, 1.0);
    sampleFrame();
    EXPECT_TRUE(IsPowered());
    // The master is asked afresh at the call, not taken from the last sample.
    host.setNumber(364, 0.0);
    EXPECT_FALSE(IsPowered());
}

TEST_F(SnapshotState, EngineStartCounterDrivesThePowerState) {
    host.setNumber(267, 1.0);
    host.setNumber(761, 20.0);  // engine 0 running up; the counter may reach 20 x 4.17
    for (int frame = 1; frame <= 13; ++frame) sampleFrame();
    EXPECT_EQ(EngineStartCounter(0), 13.0);
    EXPECT_FALSE(IsPowered());
    sampleFrame();
    EXPECT_TRUE(IsPowered());  // the 14th frame past 13

    for (int frame = 0; frame < 200; ++frame) sampleFrame();
    EXPECT_EQ(EngineStartCounter(0), 84.0);  // stops once it is not below 83.4

    host.setNumber(761, 5.0);  // neither rising nor stopped: the counter holds
    sampleFrame();
    EXPECT_EQ(EngineStartCounter(0), 84.0);

    host.setNumber(761, 0.0);  // stopped: one down per frame
    for (int frame = 0; frame < 70; ++frame) sampleFrame();
    EXPECT_EQ(EngineStartCounter(0), 14.0);
    EXPECT_TRUE(IsPowered());
    sampleFrame();
    EXPECT_FALSE(IsPowered());
    for (int frame = 0; frame < 100; ++frame) sampleFrame();
    EXPECT_EQ(EngineStartCounter(0), 0.0);
}

TEST_F(SnapshotState, EnginesBeyondTheEngineCountDoNotPowerTheDisplays) {
    host.setNumber(267, 1.0);
    host.setNumber(761 + 2, 20.0);  // engine 1 of a one-engine aircraft
    for (int frame = 0; frame < 30; ++frame) sampleFrame();
    EXPECT_GT(EngineStartCounter(1), 13.0);
    EXPECT_FALSE(IsPowered());
}

TEST_F(SnapshotState, ABoundCopyIsWhatTheThreadReads) {
    host.setNumber(61, 100.0);
    sampleFrame();
    const SimSnapshot copy = liveSnapshot();
    host.setNumber(61, 200.0);
    sampleFrame();
    {
        SnapshotBinding bind(copy);
        EXPECT_EQ(IndicatedAirspeed(), 100.0);
    }
    EXPECT_EQ(IndicatedAirspeed(), 200.0);
}

TEST_F(SnapshotState, ARenderThreadReadsItsCopyWhileTheSamplerWrites) {
    host.setNumber(61, 150.0);
    sampleFrame();
    const SimSnapshot copy = liveSnapshot();
    std::atomic<bool> sawOnlyTheCopy{true};
    std::thread render([&] {
        SnapshotBinding bind(copy);
        for (int i = 0; i < 2000; ++i) {
            if (IndicatedAirspeed() != 150.0) sawOnlyTheCopy = false;
        }
    });
    for (int i = 0; i < 200; ++i) {
        host.setNumber(61, 150.0 + i);
        sampleFrame();
    }
    render.join();
    EXPECT_TRUE(sawOnlyTheCopy);
}

}  // namespace
}  // namespace zentra
