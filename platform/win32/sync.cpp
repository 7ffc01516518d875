#include "platform/win32/sync.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

#include "platform/win32/kernel_object.h"

namespace platform::win32 {
namespace {

struct EventObject final : KernelObject {
    std::mutex mutex;
    std::condition_variable changed;
    bool manualReset = false;
    bool signalled = false;
};

// Shared with the running thread, which may outlive its handle.
struct ThreadState {
    std::mutex mutex;
    std::condition_variable ended;
    bool done = false;
    uint32_t exitCode = 0;
};

struct ThreadObject final : KernelObject {
    std::shared_ptr<ThreadState> state = std::make_shared<ThreadState>();
    std::thread thread;

    ~ThreadObject() override {
        if (!thread.joinable()) return;
        bool done;
        {
            std::lock_guard lock(state->mutex);
            done = state->done;
        }
        // An ended thread is joined; a running one is let go, as closing a
        // thread handle does not stop the thread.
        if (done) {
            thread.join();
        } else {
            thread.detach();
        }
    }
};

// Waits on cv until ready() or the timeout; true when ready.
template <typename Ready>
bool waitUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& cv, uint32_t timeoutMs,
               Ready ready) {
    if (timeoutMs == kInfinite) {
        cv.wait(lock, ready);
        return true;
    }
    return cv.wait_for(lock, std::chrono::milliseconds(timeoutMs), ready);
}

}  // namespace

Handle createEvent(bool manualReset, bool initiallySignalled) {
    auto* event = new EventObject;
    event->manualReset = manualReset;
    event->signalled = initiallySignalled;
    return event;
}

bool setEvent(Handle handle) {
    auto* event = objectAs<EventObject>(handle);
    if (event == nullptr) return false;
    std::lock_guard lock(event->mutex);
    event->signalled = true;
    if (event->manualReset) {
        event->changed.notify_all();
    } else {
        event->changed.notify_one();
    }
    return true;
}

bool resetEvent(Handle handle) {
    auto* event = objectAs<EventObject>(handle);
    if (event == nullptr) return false;
    std::lock_guard lock(event->mutex);
    event->signalled = false;
    return true;
}

Handle createThread(ThreadStart start, void* argument) {
    if (start == nullptr) {
        setLastError(kErrorInvalidParameter);
        return kInvalidHandle;
    }
    auto* object = new ThreadObject;
    try {
        object->thread = std::thread([state = object->state, start, argument] {
            const uint32_t code = start(argument);
            std::lock_guard lock(state->mutex);
            state->done = true;
            state->exitCode = code;
            state->ended.notify_all();
        });
    } catch (const std::system_error&) {
        closeHandle(object);
        setLastError(kErrorGeneric);
        return kInvalidHandle;
    }
    return object;
}

uint32_t waitForSingleObject(Handle handle, uint32_t timeoutMs) {
    KernelObject* object = liveObject(handle);
    if (auto* event = dynamic_cast<EventObject*>(object)) {
        std::unique_lock lock(event->mutex);
        if (!waitUntil(lock, event->changed, timeoutMs, [event] { return event->signalled; })) {
            return kWaitTimeout;
        }
        if (!event->manualReset) event->signalled = false;
        return kWaitObject0;
    }
    if (auto* thread = dynamic_cast<ThreadObject*>(object)) {
        ThreadState& state = *thread->state;
        std::unique_lock lock(state.mutex);
        return waitUntil(lock, state.ended, timeoutMs, [&state] { return state.done; })
                   ? kWaitObject0
                   : kWaitTimeout;
    }
    setLastError(kErrorInvalidHandle);
    return kWaitFailed;
}

bool getExitCodeThread(Handle handle, uint32_t* exitCode) {
    auto* thread = objectAs<ThreadObject>(handle);
    if (thread == nullptr || exitCode == nullptr) return false;
    std::lock_guard lock(thread->state->mutex);
    *exitCode = thread->state->done ? thread->state->exitCode : kStillActive;
    return true;
}

}  // namespace platform::win32
