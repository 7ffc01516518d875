#include "simhost/gps_data_block.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace simhost {
namespace {

template <typename T>
void put(std::vector<uint8_t>& bytes, size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

}  // namespace

GpsDataBlock::GpsDataBlock() : header_(kHeaderSize, 0) {
    put<uint32_t>(header_, 0, kHeaderSize);
    setPlan({});
}

int64_t GpsDataBlock::encodeLatitude(double degrees) {
    // degrees = value x 90 / (10001750 x 2^32)
    double v = std::fmax(-90.0, std::fmin(90.0, degrees)) * 10001750.0 * 4294967296.0 / 90.0;
    return static_cast<int64_t>(std::llround(v));
}

int64_t GpsDataBlock::encodeLongitude(double degrees) {
    // degrees = value x 360 / 2^64, east of 180 wrapping to the west
    double d = std::fmod(degrees, 360.0);
    if (d >= 180.0) d -= 360.0;
    if (d < -180.0) d += 360.0;
    double v = d * 18446744073709551616.0 / 360.0;
    if (v >= 9223372036854775807.0) v = 9223372036854775807.0 - 65536.0;
    return static_cast<int64_t>(v);
}

void GpsDataBlock::setPlan(const std::vector<Waypoint>& waypoints) {
    records_.assign(waypoints.size() * kRecordSize, 0);
    for (size_t i = 0; i < waypoints.size(); ++i) {
        const size_t at = i * kRecordSize;
        put<uint32_t>(records_, at, kRecordSize);
        put<int64_t>(records_, at + 8, encodeLatitude(waypoints[i].latitude));
        put<int64_t>(records_, at + 16, encodeLongitude(waypoints[i].longitude));
        const std::string& id = waypoints[i].ident;
        std::memcpy(records_.data() + at + 56, id.data(), std::min<size_t>(id.size(), 8));
    }
    put<uint32_t>(header_, 168, static_cast<uint32_t>(waypoints.size()));
    const uint8_t* array = records_.empty() ? nullptr : records_.data();
    put<const uint8_t*>(header_, 172, array);
}

void GpsDataBlock::setNextIndex(int32_t index) { put<int32_t>(header_, 76, index); }

}  // namespace simhost
