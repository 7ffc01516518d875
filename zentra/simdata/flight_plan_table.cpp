#include "zentra/simdata/flight_plan_table.h"

#include <cstring>

#include "zentra/draw/display_text.h"
#include "zentra/simdata/host_reader.h"

namespace zentra {

namespace {

FlightPlanTable gTable;
const uint8_t* gGpsBlock = nullptr;

template <typename T>
T readAt(const uint8_t* p, size_t offset) {
    T v;
    std::memcpy(&v, p + offset, sizeof v);
    return v;
}

void copyWaypoint(const uint8_t* record, FlightPlanWaypoint& w) {
    w.latitude = gpsLatitudeDegrees(readAt<int64_t>(record, gps::kRecordLatitudeOffset));
    w.longitude = gpsLongitudeDegrees(readAt<int64_t>(record, gps::kRecordLongitudeOffset));
    // The ident may fill all eight bytes without a terminator: cut it there.
    char ident[gps::kRecordIdentLength + 1] = {};
    std::memcpy(ident, record + gps::kRecordIdentOffset, gps::kRecordIdentLength);
    const std::wstring wide = toDisplayText(ident);
    const size_t n = wide.size() < kWaypointIdentSize - 1 ? wide.size() : kWaypointIdentSize - 1;
    std::wmemcpy(w.ident, wide.data(), n);
    w.ident[n] = L'\0';
}

}  // namespace

FlightPlanTable& flightPlanTable() { return gTable; }

double gpsLatitudeDegrees(int64_t raw) {
    const auto cleared = static_cast<int64_t>(static_cast<uint64_t>(raw) & ~uint64_t{0xFFFF});
    return static_cast<double>(cleared) * 8.381903171539307e-08 * 2.4995625765491038e-08;
}

double gpsLongitudeDegrees(int64_t raw) {
    const auto cleared = static_cast<int64_t>(static_cast<uint64_t>(raw) & ~uint64_t{0xFFFF});
    return static_cast<double>(cleared) * 8.381903171539307e-08 * 2.3283064365386963e-10;
}

void copyFlightPlanFrom(const uint8_t* block, FlightPlanTable& table) {
    table.count = 0;
    if (block == nullptr) return;
    if (readAt<uint32_t>(block, gps::kSizeOffset) < gps::kMinimumBlockSize) return;
    const int32_t hostCount = readAt<int32_t>(block, gps::kCountOffset);
    if (hostCount <= 0) return;
    const auto* array = readAt<const uint8_t*>(block, gps::kArrayOffset);
    // Only the first waypoints that fit are kept; the count says so too.
    const int32_t count = hostCount < kFlightPlanCapacity ? hostCount : kFlightPlanCapacity;
    if (array != nullptr) {
        for (int32_t i = 0; i < count; ++i) {
            const uint8_t* record = array + static_cast<size_t>(i) * gps::kRecordSize;
            if (readAt<uint32_t>(record, 0) != gps::kRecordSize) continue;
            copyWaypoint(record, table.waypoints[i]);
        }
    }
    table.count = count;
    table.nextIndex = readAt<int32_t>(block, gps::kNextIndexOffset);
}

void copyFlightPlan() {
    if (gGpsBlock == nullptr) {
        gGpsBlock = static_cast<const uint8_t*>(findNamedValue("FS2002 GPS DATA"));
    }
    copyFlightPlanFrom(gGpsBlock, gTable);
}

const FlightPlanWaypoint* GetFlightPlanWaypoint(int index) {
    if (index < 0 || index >= gTable.count) return nullptr;
    return &gTable.waypoints[index];
}

}  // namespace zentra
