// The data-sampling gauge: MainState life, the shared data lookup, the first
// configuration load and the per-frame data work with its flight-plan cadence.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

#include "host/services.h"
#include "platform/gfx/startup.h"
#include "platform/win32/beep.h"
#include "platform/win32/paths.h"
#include "tests/zentra/frame/spy_display.h"
#include "tests/zentra/simdata/fake_host.h"
#include "zentra/config/store_codec.h"
#include "zentra/frame/configuration_load.h"
#include "zentra/frame/main_state.h"
#include "zentra/simdata/flight_plan_table.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {
namespace {

using testing::FakeHost;
using testing::PlacedGauge;
using testing::spyCounts;

class MainGauge : public ::testing::Test {
  protected:
    void SetUp() override {
        spyCounts() = {};
        setDisplayFactory(&testing::spyFactory);
        platform::win32::clearRecordedBeeps();
    }
    void TearDown() override {
        while (mainGaugeConnectCount() > 0) mainGaugeCallback(nullptr, host::kDisconnect, 0);
        setDisplayFactory(nullptr);
    }
    static void service(int32_t id) { mainGaugeCallback(nullptr, id, 0); }
    FakeHost host;
};

TEST_F(MainGauge, ServicesBeforeTheConnectDoNothing) {
    host.setNumber(604, 3.0);
    service(host::kPreInstall);
    service(host::kPreDraw);
    EXPECT_EQ(getMainState(), nullptr);
    EXPECT_TRUE(host.namedLookups.empty());
    EXPECT_EQ(host.lookupCount, 0);
    EXPECT_TRUE(platform::win32::recordedBeeps().empty());  // no configuration load ran
}

TEST_F(MainGauge, MainStateLivesFromFirstConnectToLastDisconnect) {
    const int before = platform::gfx::activeStartups();
    service(host::kConnectToWindow);
    MainState* state = getMainState();
    ASSERT_NE(state, nullptr);
    EXPECT_EQ(platform::gfx::activeStartups(), before + 1);
    EXPECT_EQ(std::wstring(state->alertBoard().record(42).text), L"PRK BRK SET");
    service(host::kConnectToWindow);
    EXPECT_EQ(getMainState(), state);
    service(host::kDisconnect);
    EXPECT_EQ(getMainState(), state);
    service(host::kDisconnect);
    EXPECT_EQ(getMainState(), nullptr);
    EXPECT_EQ(platform::gfx::activeStartups(), before);
}

TEST_F(MainGauge, SharedDataIsLookedUpAtEachPreInstallUntilFound) {
    service(host::kConnectToWindow);
    service(host::kPreInstall);
    EXPECT_EQ(getSharedData(), nullptr);
    uint8_t block[128] = {};
    host.setNamed("KORU_SHARED_DATA", block);
    service(host::kPreInstall);
    EXPECT_EQ(getSharedData(), block);
    service(host::kPreInstall);
    EXPECT_EQ(host.namedLookups,
              (std::vector<std::string>{"KORU_SHARED_DATA", "KORU_SHARED_DATA"}));
    service(host::kDisconnect);
    EXPECT_EQ(getSharedData(), nullptr);
}

TEST_F(MainGauge, PreDrawSamplesTheSimulation) {
    service(host::kConnectToWindow);
    host.setNumber(604, 7.25);
    host.setNumber(61, 180.0);
    service(host::kPreDraw);
    EXPECT_EQ(SimTime(), 7.25);
    EXPECT_EQ(IndicatedAirspeed(), 180.0);
}

TEST_F(MainGauge, FirstPreInstallLoadsTheStoreIntoTheDisplaysThatExist) {
    namespace fs = std::filesystem;
    char dirTemplate[] = "/tmp/zentra_store_XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    const fs::path dir = dirTemplate;
    fs::create_directories(dir / "Calvera");
    const std::vector<uint8_t> store = packStore("[PFD]\nPopupWindowId=5\n");
    std::ofstream(dir / "Calvera" / "F16.bin", std::ios::binary)
        .write(reinterpret_cast<const char*>(store.data()),
               static_cast<std::streamsize>(store.size()));
    ASSERT_TRUE(platform::win32::setCurrentDirectory(dir.c_str()));

    PlacedGauge g;
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    ndCallback(&g.header, host::kConnectToWindow, 0);
    service(host::kConnectToWindow);
    service(host::kPreInstall);
    ASSERT_EQ(spyCounts().loads.size(), 2u);
    EXPECT_EQ(spyCounts().loads[0].rfind("PFD:", 0), 0u);
    EXPECT_EQ(spyCounts().loads[1].rfind("ND:", 0), 0u);
    EXPECT_NE(spyCounts().loads[0].find("F16.dll"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "Calvera" / "F16.dll"));

    service(host::kPreInstall);  // only once in the module's life
    EXPECT_EQ(spyCounts().loads.size(), 2u);

    eicasCallback(&g.header, host::kConnectToWindow, 0);  // too late for the first load
    EXPECT_FALSE(displayObject(DisplayType::Eicas)->configured());
    EXPECT_TRUE(reloadConfiguration());
    EXPECT_TRUE(displayObject(DisplayType::Eicas)->configured());
    EXPECT_EQ(spyCounts().loads.size(), 5u);
    EXPECT_TRUE(platform::win32::recordedBeeps().empty());

    for (auto cb : {&pfdCallback, &ndCallback, &eicasCallback}) cb(&g.header, host::kDisconnect, 0);
    fs::remove_all(dir);
}

TEST_F(MainGauge, AMissingStoreBeepsAndLeavesTheDisplaysUnconfigured) {
    char dirTemplate[] = "/tmp/zentra_nostore_XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    ASSERT_TRUE(platform::win32::setCurrentDirectory(dirTemplate));
    PlacedGauge g;
    pfdCallback(&g.header, host::kConnectToWindow, 0);
    service(host::kConnectToWindow);
    service(host::kPreInstall);
    EXPECT_FALSE(displayObject(DisplayType::Pfd)->configured());
    EXPECT_EQ(platform::win32::recordedBeeps().size(), 1u);
    pfdCallback(&g.header, host::kDisconnect, 0);
    rmdir(dirTemplate);
}

TEST_F(MainGauge, FlightPlanIsCopiedTwiceASecondOfSimTimeAndWaitsAfterAReset) {
    // A plan whose waypoint count tells which frame's copy the table holds.
    std::vector<uint8_t> block(256, 0);
    const uint32_t size = 256;
    std::memcpy(block.data(), &size, sizeof size);
    host.setNamed("FS2002 GPS DATA", block.data());
    service(host::kConnectToWindow);

    struct Step {
        double simTime;
        bool copies;
    };
    const Step steps[] = {{0.0, false}, {0.4, false}, {0.5, true},  {0.9, false},
                          {1.0, true},  {1.2, false}, {0.1, false}, {0.5, false},
                          {1.4, false}, {1.5, true},  {1.6, false}, {2.0, true}};
    int32_t frame = 0;
    int32_t expectedCount = 0;
    for (const Step& s : steps) {
        ++frame;
        std::memcpy(block.data() + gps::kCountOffset, &frame, sizeof frame);
        host.setNumber(604, s.simTime);
        service(host::kPreDraw);
        if (s.copies) expectedCount = frame;
        EXPECT_EQ(flightPlanTable().count, expectedCount) << "at " << s.simTime;
    }
    EXPECT_EQ(lastFlightPlanCopyTime(), 2.0);
}

}  // namespace
}  // namespace zentra
