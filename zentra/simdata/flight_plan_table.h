#pragma once
// The GPS flight plan, copied from the host's "FS2002 GPS DATA" block twice a
// second of simulation time and read by the ND.
//
// Block layout (little-endian): 0 block size, 76 next-waypoint index,
// 168 waypoint count, 172 address of the waypoint array (a native pointer).
// Waypoint record, 64 bytes: 0 record size, 8 latitude and 16 longitude
// (signed 64-bit fixed point), 56 ident (up to 8 bytes, zero-terminated when shorter).
#include <cstddef>
#include <cstdint>

namespace zentra {

constexpr int kFlightPlanCapacity = 500;
constexpr int kWaypointIdentSize = 24;

struct FlightPlanWaypoint {
    double latitude = 0.0;   // degrees
    double longitude = 0.0;  // degrees
    float screenX = 0.0f;    // relative to the compass centre; the ND sets them
    float screenY = 0.0f;
    wchar_t ident[kWaypointIdentSize] = {};
};

struct FlightPlanTable {
    FlightPlanWaypoint waypoints[kFlightPlanCapacity]{};
    int32_t count = 0;      // never above kFlightPlanCapacity
    int32_t nextIndex = 0;  // the GPS's own; may point past the table
};

namespace gps {
constexpr size_t kSizeOffset = 0;
constexpr size_t kNextIndexOffset = 76;
constexpr size_t kCountOffset = 168;
constexpr size_t kArrayOffset = 172;
constexpr size_t kMinimumBlockSize = kArrayOffset + sizeof(void*);
constexpr size_t kRecordSize = 64;
constexpr size_t kRecordLatitudeOffset = 8;
constexpr size_t kRecordLongitudeOffset = 16;
constexpr size_t kRecordIdentOffset = 56;
constexpr size_t kRecordIdentLength = 8;
}  // namespace gps

// The module-wide table (the ND reads it on the gauge thread or takes a copy).
FlightPlanTable& flightPlanTable();

// Copies the GPS block into the table, looking the block up until found.
void copyFlightPlan();
// The same from a given block (null: no block).
void copyFlightPlanFrom(const uint8_t* block, FlightPlanTable& table);

// The entry at index, or null when the index is not below the count.
const FlightPlanWaypoint* GetFlightPlanWaypoint(int index);

// Fixed-point GPS coordinates to degrees.
double gpsLatitudeDegrees(int64_t raw);
double gpsLongitudeDegrees(int64_t raw);

}  // namespace zentra
