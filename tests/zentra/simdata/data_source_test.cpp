// The named data sources in both unit systems, and the name lists.
#include "zentra/simdata/data_source.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/zentra/simdata/fake_host.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {
namespace {

using testing::FakeHost;

TEST(DataSources, NamesKeepTheirOrder) {
    const char* engineNames[] = {"N1",      "N2",  "EPR",      "CEPR",   "Torque",
                                 "EGT",     "ITT", "FF",       "OilQty", "OilPress",
                                 "OilTemp", "Vib", "HydPress", "HydQty"};
    const char* systemNames[] = {"LeftFuel",  "RightFuel", "CenterFuel", "TotalFuel", "FlapHandle",
                                 "FlapAngle", "SlatAngle", "ApuRPM",     "ApuEGT"};
    for (int i = 0; i < kEngineSourceCount; ++i) {
        EXPECT_STREQ(engineDataSources()[i].name, engineNames[i]);
        EXPECT_TRUE(engineDataSources()[i].perEngine);
    }
    for (int i = 0; i < kSystemSourceCount; ++i) {
        EXPECT_STREQ(systemDataSources()[i].name, systemNames[i]);
        EXPECT_FALSE(systemDataSources()[i].perEngine);
    }
    EXPECT_STREQ(kPfdInfoFieldNames[12], "VS");
    EXPECT_STREQ(kPfdInfoFieldNames.back(), "Course");
    EXPECT_STREQ(kNdInfoFieldNames[4], "Clock");
    EXPECT_STREQ(kNdInfoFieldNames[16], "WaypointETA");
    EXPECT_STREQ(kEicasInfoTextNames[2], "TAT");
}

TEST(DataSources, ValuesFollowTheUnitSystem) {
    FakeHost host;
    liveSnapshot() = SimSnapshot{};
    host.setNumber(638 + 19, 1000.0);  // FF of engine 1
    host.setNumber(624 + 19, 87.0);    // N1 of engine 1
    host.setNumber(291, 8388608.0);    // tank 1 full: 100 gal of 6 lb
    host.setNumber(292, 100.0);
    host.setNumber(306, 6.0);
    host.setAircraftVar(0x64, "degree", 0, 25.0);
    sampleFrame();

    const double tank = 8388608.0 * 1.1920930376163766e-07 * 100.0 * 6.0;
    struct Case {
        const char* name;
        int engine;
        double us, metric;
    };
    const Case cases[] = {
        {"FF", 1, 1000.0, 453.6},
        {"N1", 1, 87.0, 87.0},
        {"N1", 0, 0.0, 0.0},
        {"LeftFuel", 3, tank, tank * 0.4536},
        {"TotalFuel", 0, tank, tank * 0.4536},
        {"FlapAngle", 2, 25.0, 25.0},
        {"ApuRPM", 0, 0.0, 0.0},
        {"ApuEGT", 0, 0.0, 0.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " engine " + std::to_string(c.engine));
        const DataSource* source = findDataSource(c.name);
        ASSERT_NE(source, nullptr);
        EXPECT_NEAR(dataSourceValue(*source, UnitSystem::US, c.engine), c.us, 1e-9);
        EXPECT_NEAR(dataSourceValue(*source, UnitSystem::Metric, c.engine), c.metric, 1e-9);
    }
    EXPECT_EQ(findDataSource("Thrust"), nullptr);
    // An engine index outside the four slots reads 0 rather than another engine.
    EXPECT_EQ(dataSourceValue(*findDataSource("FF"), UnitSystem::US, 7), 0.0);
}

}  // namespace
}  // namespace zentra
