// The flight-plan copy from the host's GPS block, with every way the block
// can be short, large or malformed.
#include "zentra/simdata/flight_plan_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/zentra/simdata/fake_host.h"

namespace zentra {
namespace {

// A GPS block as the host lays it out, with its waypoint array.
struct GpsBlock {
    explicit GpsBlock(int waypointCount, int recordsAllocated = -1)
        : bytes(256, 0),
          records(static_cast<size_t>(recordsAllocated < 0 ? waypointCount : recordsAllocated) *
                  gps::kRecordSize) {
        put<uint32_t>(bytes.data(), gps::kSizeOffset, static_cast<uint32_t>(bytes.size()));
        put<int32_t>(bytes.data(), gps::kCountOffset, waypointCount);
        put<int32_t>(bytes.data(), gps::kNextIndexOffset, 1);
        setArray(records.data());
        for (size_t i = 0; i < records.size() / gps::kRecordSize; ++i) {
            setWaypoint(static_cast<int>(i), 1000 + static_cast<int64_t>(i) * 65536, 0, "WP");
        }
    }
    template <typename T>
    static void put(uint8_t* p, size_t offset, T v) {
        std::memcpy(p + offset, &v, sizeof v);
    }
    void setArray(const uint8_t* array) { put(bytes.data(), gps::kArrayOffset, array); }
    void setWaypoint(int i, int64_t lat, int64_t lon, const char* ident, size_t identBytes = 0) {
        uint8_t* r = records.data() + static_cast<size_t>(i) * gps::kRecordSize;
        put<uint32_t>(r, 0, gps::kRecordSize);
        put<int64_t>(r, gps::kRecordLatitudeOffset, lat);
        put<int64_t>(r, gps::kRecordLongitudeOffset, lon);
        std::memset(r + gps::kRecordIdentOffset, 0, gps::kRecordIdentLength);
        std::memcpy(r + gps::kRecordIdentOffset, ident,
                    identBytes != 0 ? identBytes : std::strlen(ident) + 1);
    }
    std::vector<uint8_t> bytes;
    std::vector<uint8_t> records;
};

TEST(FlightPlanCopy, CopiesPositionsIdentsCountAndNextIndex) {
    GpsBlock block(3);
    // 45 degrees north and 90 degrees east in the host's fixed point.
    const auto lat = static_cast<int64_t>(45.0 / 90.0 * 10001750.0 * 4294967296.0);
    const auto lon = static_cast<int64_t>(90.0 / 360.0 * 18446744073709551616.0);
    block.setWaypoint(0, lat, lon, "KSEA");
    block.setWaypoint(1, -lat, -lon, "MY_FIX");
    FlightPlanTable table;
    copyFlightPlanFrom(block.bytes.data(), table);
    ASSERT_EQ(table.count, 3);
    EXPECT_EQ(table.nextIndex, 1);
    EXPECT_NEAR(table.waypoints[0].latitude, 45.0, 1e-9);
    EXPECT_NEAR(table.waypoints[0].longitude, 90.0, 1e-9);
    EXPECT_NEAR(table.waypoints[1].latitude, -45.0, 1e-9);
    EXPECT_NEAR(table.waypoints[1].longitude, -90.0, 1e-9);
    EXPECT_EQ(std::wstring(table.waypoints[0].ident), L"KSEA");
    EXPECT_EQ(std::wstring(table.waypoints[1].ident), L"MY FIX");
}

TEST(FlightPlanCopy, LowSixteenBitsOfTheCoordinatesAreIgnored) {
    EXPECT_EQ(gpsLatitudeDegrees(0xFFFF), 0.0);
    EXPECT_EQ(gpsLatitudeDegrees(0x10000), gpsLatitudeDegrees(0x1FFFF));
    EXPECT_LT(gpsLongitudeDegrees(-1), 0.0);  // sign kept: -1 clears to -65536
}

TEST(FlightPlanCopy, AnIdentFillingAllEightBytesIsCutThere) {
    GpsBlock block(1);
    const char full[] = "ABCDEFGHIJKL";
    block.setWaypoint(0, 0, 0, full, 8);
    FlightPlanTable table;
    copyFlightPlanFrom(block.bytes.data(), table);
    EXPECT_EQ(std::wstring(table.waypoints[0].ident), L"ABCDEFGH");
}

TEST(FlightPlanCopy, MoreThanFiveHundredWaypointsKeepToTheTable) {
    GpsBlock block(650);
    FlightPlanTable table;
    copyFlightPlanFrom(block.bytes.data(), table);
    EXPECT_EQ(table.count, kFlightPlanCapacity);
    EXPECT_NEAR(table.waypoints[499].latitude, gpsLatitudeDegrees(1000 + 499LL * 65536), 1e-15);
}

TEST(FlightPlanCopy, UnusableBlocksLeaveThePlanEmpty) {
    struct Case {
        const char* name;
        uint32_t size;
        int32_t count;
    };
    const Case cases[] = {
        {"block too small", 176, 3},
        {"no waypoints", 256, 0},
        {"negative count", 256, -5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GpsBlock block(3);
        GpsBlock::put<uint32_t>(block.bytes.data(), gps::kSizeOffset, c.size);
        GpsBlock::put<int32_t>(block.bytes.data(), gps::kCountOffset, c.count);
        FlightPlanTable table;
        table.count = 2;
        copyFlightPlanFrom(block.bytes.data(), table);
        EXPECT_EQ(table.count, 0);
    }
    FlightPlanTable table;
    table.count = 2;
    copyFlightPlanFrom(nullptr, table);
    EXPECT_EQ(table.count, 0);
}

TEST(FlightPlanCopy, RecordsOfAnotherSizeOrANullArrayKeepTheirEarlierContents) {
    GpsBlock block(2);
    block.setWaypoint(0, 0, 0, "OLD0");
    block.setWaypoint(1, 0, 0, "OLD1");
    FlightPlanTable table;
    copyFlightPlanFrom(block.bytes.data(), table);

    block.setWaypoint(0, 0, 0, "NEW0");
    block.setWaypoint(1, 0, 0, "NEW1");
    GpsBlock::put<uint32_t>(block.records.data() + gps::kRecordSize, 0, 72);  // record 1 resized
    copyFlightPlanFrom(block.bytes.data(), table);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(std::wstring(table.waypoints[0].ident), L"NEW0");
    EXPECT_EQ(std::wstring(table.waypoints[1].ident), L"OLD1");

    block.setWaypoint(0, 0, 0, "NEWER");
    block.setArray(nullptr);
    copyFlightPlanFrom(block.bytes.data(), table);
    EXPECT_EQ(table.count, 2);  // still counted, drawn with what it had
    EXPECT_EQ(std::wstring(table.waypoints[0].ident), L"NEW0");
}

TEST(FlightPlanCopy, TheHostBlockIsFoundByNameUntilItExists) {
    testing::FakeHost host;
    flightPlanTable() = FlightPlanTable{};
    copyFlightPlan();
    EXPECT_EQ(flightPlanTable().count, 0);
    GpsBlock block(4);
    host.setNamed("FS2002 GPS DATA", block.bytes.data());
    copyFlightPlan();
    EXPECT_EQ(flightPlanTable().count, 4);
    copyFlightPlan();
    EXPECT_EQ(host.namedLookups.size(), 2u);  // kept once found

    EXPECT_NE(GetFlightPlanWaypoint(0), nullptr);
    EXPECT_NE(GetFlightPlanWaypoint(3), nullptr);
    EXPECT_EQ(GetFlightPlanWaypoint(4), nullptr);
    EXPECT_EQ(GetFlightPlanWaypoint(-1), nullptr);
}

}  // namespace
}  // namespace zentra
