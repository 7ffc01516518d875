#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "simhost/gps_data_block.h"
#include "simhost/shared_data_block.h"

namespace simhost {
namespace {

template <typename T>
T at(const void* block, size_t offset) {
    T v;
    std::memcpy(&v, static_cast<const uint8_t*>(block) + offset, sizeof v);
    return v;
}

TEST(SharedDataBlock, FieldsSitAtTheirByteOffsets) {
    SharedDataBlock b;
    for (const SharedField& f : sharedFields()) b.set(f, 0.0);
    b.set(*findSharedField("nd_brightness"), 0.75);
    b.set(*findSharedField("pfd_baro_unit"), 1);
    b.set(*findSharedField("nd_mode"), 2);
    b.set(*findSharedField("nd_range"), 80);
    b.set(*findSharedField("nd_plan_centre"), 7);
    b.set(*findSharedField("nd_flight_plan"), 1);
    EXPECT_FLOAT_EQ(at<float>(b.data(), 4), 0.75f);
    EXPECT_EQ(at<int32_t>(b.data(), 20), 1);
    EXPECT_EQ(at<int32_t>(b.data(), 52), 2);
    EXPECT_FLOAT_EQ(at<float>(b.data(), 56), 80.0f);
    EXPECT_EQ(at<int32_t>(b.data(), 76), 1);
    EXPECT_EQ(at<uint32_t>(b.data(), 84), 7u);
    EXPECT_GE(SharedDataBlock::kSize, 128u);
    // A field keeps what a gauge wrote until the host sets it again.
    float f = 0.3f;
    std::memcpy(static_cast<uint8_t*>(b.data()) + 4, &f, 4);
    EXPECT_FLOAT_EQ(static_cast<float>(b.get(*findSharedField("nd_brightness"))), 0.3f);
}

// The reader's conversion of a fixed-point latitude or longitude.
double readLatitude(int64_t v) {
    return static_cast<double>(v & ~int64_t{0xFFFF}) * 8.381903171539307e-08 *
           2.4995625765491038e-08;
}
double readLongitude(int64_t v) {
    return static_cast<double>(v & ~int64_t{0xFFFF}) * 8.381903171539307e-08 *
           2.3283064365386963e-10;
}

TEST(GpsDataBlock, HeaderAndRecordsAsTheReadersExpectThem) {
    GpsDataBlock gps;
    gps.setPlan({{"KSEA", 47.449, -122.309}, {"TOOLONG8", -33.9461, 151.1772}, {"E", 0.0, 179.9}});
    gps.setNextIndex(1);
    const void* h = gps.data();
    EXPECT_GE(at<uint32_t>(h, 0), 176u);
    EXPECT_EQ(at<int32_t>(h, 76), 1);
    EXPECT_EQ(at<uint32_t>(h, 168), 3u);
    const uint8_t* records = at<const uint8_t*>(h, 172);
    ASSERT_NE(records, nullptr);
    const double lat[] = {47.449, -33.9461, 0.0}, lon[] = {-122.309, 151.1772, 179.9};
    const char* idents[] = {"KSEA", "TOOLONG8", "E"};
    for (int i = 0; i < 3; ++i) {
        const uint8_t* r = records + 64 * i;
        EXPECT_EQ(at<uint32_t>(r, 0), 64u);
        EXPECT_NEAR(readLatitude(at<int64_t>(r, 8)), lat[i], 1e-6);
        EXPECT_NEAR(readLongitude(at<int64_t>(r, 16)), lon[i], 1e-6);
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(r + 56),
                              strnlen(reinterpret_cast<const char*>(r + 56), 8)),
                  idents[i]);
    }
}

TEST(GpsDataBlock, EmptyPlanHasNoArray) {
    GpsDataBlock gps;
    EXPECT_EQ(at<uint32_t>(gps.data(), 168), 0u);
    EXPECT_EQ(at<const uint8_t*>(gps.data(), 172), nullptr);
    EXPECT_NEAR(readLongitude(GpsDataBlock::encodeLongitude(180.0)), -180.0, 1e-6);
}

}  // namespace
}  // namespace simhost
