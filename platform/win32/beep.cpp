#include "platform/win32/beep.h"

#include <mutex>

namespace platform::win32 {
namespace {

struct BeepLog {
    std::mutex mutex;
    std::vector<BeepRecord> beeps;
};

BeepLog& beepLog() {
    static auto* log = new BeepLog;
    return *log;
}

}  // namespace

bool beep(uint32_t frequencyHz, uint32_t durationMs) {
    std::lock_guard lock(beepLog().mutex);
    beepLog().beeps.push_back({frequencyHz, durationMs});
    return true;
}

std::vector<BeepRecord> recordedBeeps() {
    std::lock_guard lock(beepLog().mutex);
    return beepLog().beeps;
}

void clearRecordedBeeps() {
    std::lock_guard lock(beepLog().mutex);
    beepLog().beeps.clear();
}

}  // namespace platform::win32
