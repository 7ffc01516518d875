#include <mutex>
#include <unordered_set>

#include "platform/win32/kernel_object.h"

namespace platform::win32 {
namespace {

// Every live kernel object, so a stale or made-up handle fails cleanly.
struct ObjectTable {
    std::mutex mutex;
    std::unordered_set<KernelObject*> live;
};

ObjectTable& objects() {
    static auto* table = new ObjectTable;  // outlives every module's statics
    return *table;
}

thread_local uint32_t lastError = kErrorSuccess;

}  // namespace

KernelObject::KernelObject() {
    std::lock_guard lock(objects().mutex);
    objects().live.insert(this);
}

KernelObject::~KernelObject() = default;

KernelObject* liveObject(Handle handle) {
    std::lock_guard lock(objects().mutex);
    return objects().live.count(handle) != 0 ? handle : nullptr;
}

bool closeHandle(Handle handle) {
    {
        std::lock_guard lock(objects().mutex);
        if (objects().live.erase(handle) == 0) {
            lastError = kErrorInvalidHandle;
            return false;
        }
    }
    delete handle;
    return true;
}

uint32_t getLastError() { return lastError; }
void setLastError(uint32_t code) { lastError = code; }

}  // namespace platform::win32
