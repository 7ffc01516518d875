#include "zentra/frame/render_thread.h"

#include <utility>

#include "platform/win32/sync.h"

namespace zentra {

namespace w32 = platform::win32;

RenderThread::RenderThread(std::function<void()> render) : render_(std::move(render)) {}

RenderThread::~RenderThread() { stop(); }

bool RenderThread::start() {
    if (running()) return true;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopFlag_ = false;
        busy_ = false;
    }
    if (event_ == w32::kInvalidHandle) event_ = w32::createEvent(true, false);
    if (event_ == w32::kInvalidHandle) return false;
    thread_ = w32::createThread(&RenderThread::threadMain, this);
    return running();
}

void RenderThread::wake() {
    if (!running()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        busy_ = true;
    }
    w32::setEvent(event_);
}

void RenderThread::waitIdle() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return !busy_; });
}

bool RenderThread::takeFrameReady() {
    std::lock_guard<std::mutex> lock(mutex_);
    const bool ready = frameReady_;
    frameReady_ = false;
    return ready;
}

bool RenderThread::frameReady() {
    std::lock_guard<std::mutex> lock(mutex_);
    return frameReady_;
}

void RenderThread::stop() {
    if (running()) {
        waitIdle();
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stopFlag_ = true;
        }
        w32::setEvent(event_);
        w32::waitForSingleObject(thread_, w32::kInfinite);
        w32::closeHandle(thread_);
        thread_ = w32::kInvalidHandle;
    }
    if (event_ != w32::kInvalidHandle) {
        w32::closeHandle(event_);
        event_ = w32::kInvalidHandle;
    }
}

uint32_t RenderThread::threadMain(void* self) { return static_cast<RenderThread*>(self)->loop(); }

uint32_t RenderThread::loop() {
    for (;;) {
        w32::waitForSingleObject(event_, w32::kInfinite);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopFlag_) return 0;
        }
        render_();
        // The event is reset before the frame is reported done, so the
        // next wake-up (which waits for idle) is never lost.
        w32::resetEvent(event_);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            frameReady_ = true;
            busy_ = false;
        }
        idle_.notify_all();
    }
}

}  // namespace zentra
