#pragma once
// One-time, thread-safe set-up of the libraries under the graphics layer.
#include <mutex>

namespace platform::gfx::detail {

void ensureInitialised();

// Held around cairo work in thread-checked builds only. Cairo passes small
// blocks between threads through lock-free pools; the thread checker cannot
// see those atomics in the uninstrumented library and reports its copies as
// races. Serialising cairo there keeps the checker's view true; normal builds
// draw on several threads at once.
class CairoLock {
  public:
    CairoLock();
    ~CairoLock();
    CairoLock(const CairoLock&) = delete;
    CairoLock& operator=(const CairoLock&) = delete;
};

}  // namespace platform::gfx::detail
