// The snapshot as CSV: one column per getter (and index), values as read.
#include "zentra/simdata/snapshot_fields.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/zentra/simdata/fake_host.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

std::vector<std::string> splitCsv(const std::string& line) {
    std::vector<std::string> out(1);
    bool inQuotes = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"') {
            if (inQuotes && i + 1 < line.size() && line[i + 1] == '"') {
                out.back() += '"';
                ++i;
            } else {
                inQuotes = !inQuotes;
            }
        } else if (c == ',' && !inQuotes) {
            out.emplace_back();
        } else {
            out.back() += c;
        }
    }
    return out;
}

TEST(SnapshotFields, EveryGetterHasOneUniquelyNamedColumn) {
    const std::vector<std::string> names = splitCsv(snapshotCsvHeader());
    EXPECT_EQ(names.size(), snapshotFields().size());
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    for (const char* expected :
         {"SimTime", "N1(3)", "NavIdent(2)", "GearState(2)", "AircraftPosition.altitude", "CEPR(0)",
          "IsPowered", "LightingMode", "ZuluClockText", "TotalFuelKg"}) {
        EXPECT_NE(std::find(names.begin(), names.end(), expected), names.end()) << expected;
    }
}

TEST(SnapshotFields, TheRowShowsTheSampledValues) {
    testing::FakeHost host;
    liveSnapshot() = SimSnapshot{};
    host.setNumber(604, 12.5);
    host.setNumber(624 + 19 * 3, 91.25);
    host.setText(47, "I,\"X\"");
    host.setWord(24, 0x1080);
    sampleFrame();
    const std::vector<std::string> names = splitCsv(snapshotCsvHeader());
    const std::vector<std::string> values = splitCsv(snapshotCsvRow());
    ASSERT_EQ(values.size(), names.size());
    auto value = [&](const std::string& name) {
        return values[std::find(names.begin(), names.end(), name) - names.begin()];
    };
    EXPECT_EQ(value("SimTime"), "12.5");
    EXPECT_EQ(value("N1(3)"), "91.25");
    EXPECT_EQ(value("N1(0)"), "0");
    EXPECT_EQ(value("NavIdent(1)"), "I,\"X\"");  // quoted, so commas and quotes survive
    EXPECT_EQ(value("Nav1FrequencyText"), "110.800");
    EXPECT_EQ(value("EngineRunning(3)"), "1");
}

}  // namespace
}  // namespace zentra
