#pragma once
// A display's render thread: drawing moved off the gauge thread. The
// gauge thread wakes it with a manual-reset event; the thread marks a
// finished frame with frameReady. The gauge thread waits for an in-flight
// render before it touches anything the render uses (surface choice,
// styles, fonts, snapshot copy), so the two never draw or read at once.
#include <condition_variable>
#include <functional>
#include <mutex>

#include "platform/win32/handles.h"

namespace zentra {

class RenderThread {
  public:
    // render runs on the thread once per wake-up.
    explicit RenderThread(std::function<void()> render);
    ~RenderThread();  // stops the thread
    RenderThread(const RenderThread&) = delete;
    RenderThread& operator=(const RenderThread&) = delete;

    // Starts the thread when it is not running; false when it cannot.
    bool start();
    bool running() const { return thread_ != platform::win32::kInvalidHandle; }

    // Hands one frame to the thread (it must be idle: call waitIdle first).
    void wake();
    // Returns once no render is in flight.
    void waitIdle();
    // A finished frame waits to be shown; clears the mark.
    bool takeFrameReady();
    bool frameReady();

    // Lets a render in flight end, then ends the thread and waits for it.
    void stop();

  private:
    static uint32_t threadMain(void* self);
    uint32_t loop();

    std::function<void()> render_;
    platform::win32::Handle thread_ = platform::win32::kInvalidHandle;
    platform::win32::Handle event_ = platform::win32::kInvalidHandle;
    std::mutex mutex_;
    std::condition_variable idle_;
    bool stopFlag_ = false;
    bool busy_ = false;
    bool frameReady_ = false;
};

}  // namespace zentra
