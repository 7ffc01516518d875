#pragma once
// The host's GPS data block, published as "FS2002 GPS DATA": a header with
// its size, the next waypoint index, the waypoint count and the address of
// the waypoint array (a native pointer at byte 172), and 64-byte waypoint
// records with latitude and longitude as 64-bit fixed-point numbers and an
// ident of up to 8 bytes.
#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

struct Waypoint {
    std::string ident;       // at most 8 characters
    double latitude = 0.0;   // degrees, north positive
    double longitude = 0.0;  // degrees, east positive
};

class GpsDataBlock {
  public:
    static constexpr uint32_t kHeaderSize = 184;  // 172 + an 8-byte address, rounded up
    static constexpr uint32_t kRecordSize = 64;

    GpsDataBlock();
    void setPlan(const std::vector<Waypoint>& waypoints);
    void setNextIndex(int32_t index);
    void* data() { return header_.data(); }

    // The fixed-point forms the readers decode.
    static int64_t encodeLatitude(double degrees);
    static int64_t encodeLongitude(double degrees);

  private:
    std::vector<uint8_t> header_;
    std::vector<uint8_t> records_;
};

}  // namespace simhost
