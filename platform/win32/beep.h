#pragma once
// The system beep. There is no sound card offline: every beep is recorded
// so the host and the tests can see it.
#include <cstdint>
#include <vector>

namespace platform::win32 {

struct BeepRecord {
    uint32_t frequencyHz = 0;
    uint32_t durationMs = 0;
    bool operator==(const BeepRecord&) const = default;
};

bool beep(uint32_t frequencyHz, uint32_t durationMs);
std::vector<BeepRecord> recordedBeeps();
void clearRecordedBeeps();

}  // namespace platform::win32
