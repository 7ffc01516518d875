#pragma once
// Events and threads with Win32 meanings, closed with closeHandle.
#include <cstdint>

#include "platform/win32/handles.h"

namespace platform::win32 {

inline constexpr uint32_t kInfinite = 0xFFFFFFFFu;
inline constexpr uint32_t kWaitObject0 = 0;
inline constexpr uint32_t kWaitTimeout = 258;
inline constexpr uint32_t kWaitFailed = 0xFFFFFFFFu;

// A manual-reset event stays signalled until reset; an auto-reset event
// releases one waiter and clears itself.
Handle createEvent(bool manualReset, bool initiallySignalled);
bool setEvent(Handle event);
bool resetEvent(Handle event);

using ThreadStart = uint32_t (*)(void* argument);

// Starts start(argument) on a new thread; kInvalidHandle if it cannot run.
Handle createThread(ThreadStart start, void* argument);

// Waits until the event is signalled or the thread has ended, at most
// timeoutMs milliseconds (kInfinite: no limit).
uint32_t waitForSingleObject(Handle object, uint32_t timeoutMs);

inline constexpr uint32_t kStillActive = 259;

// A thread's result once it has ended, kStillActive while it runs.
bool getExitCodeThread(Handle thread, uint32_t* exitCode);

}  // namespace platform::win32
