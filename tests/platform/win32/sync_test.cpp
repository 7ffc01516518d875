#include "platform/win32/sync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace pw = platform::win32;

namespace {

struct Waiter {
    pw::Handle event;
    std::atomic<int>* woken;
};

uint32_t waitOnce(void* arg) {
    auto* w = static_cast<Waiter*>(arg);
    if (pw::waitForSingleObject(w->event, pw::kInfinite) != pw::kWaitObject0) return 1;
    w->woken->fetch_add(1);
    return 7;
}

TEST(Events, ManualResetReleasesEveryWaiterAndStaysSignalled) {
    pw::Handle event = pw::createEvent(true, false);
    std::atomic<int> woken{0};
    Waiter w{event, &woken};
    pw::Handle threads[3];
    for (auto& t : threads) t = pw::createThread(waitOnce, &w);
    EXPECT_EQ(pw::waitForSingleObject(event, 20), pw::kWaitTimeout);
    ASSERT_TRUE(pw::setEvent(event));
    for (auto& t : threads) {
        EXPECT_EQ(pw::waitForSingleObject(t, pw::kInfinite), pw::kWaitObject0);
        uint32_t code = 0;
        EXPECT_TRUE(pw::getExitCodeThread(t, &code));
        EXPECT_EQ(code, 7u);
        pw::closeHandle(t);
    }
    EXPECT_EQ(woken.load(), 3);
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitObject0);  // still signalled
    ASSERT_TRUE(pw::resetEvent(event));
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitTimeout);
    pw::closeHandle(event);
}

TEST(Events, AutoResetReleasesOneWaitAtATime) {
    pw::Handle event = pw::createEvent(false, true);
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitObject0);
    EXPECT_EQ(pw::waitForSingleObject(event, 10), pw::kWaitTimeout);  // cleared by the wait
    pw::setEvent(event);
    pw::setEvent(event);  // signals do not count up
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitObject0);
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitTimeout);
    pw::closeHandle(event);
}

uint32_t waitThenReturn(void* arg) {
    pw::waitForSingleObject(static_cast<pw::Handle>(arg), pw::kInfinite);
    return 3;
}

TEST(Threads, ExitCodeAndWaitFollowTheThread) {
    pw::Handle go = pw::createEvent(true, false);
    pw::Handle thread = pw::createThread(waitThenReturn, go);
    ASSERT_NE(thread, pw::kInvalidHandle);
    uint32_t code = 0;
    EXPECT_TRUE(pw::getExitCodeThread(thread, &code));
    EXPECT_EQ(code, pw::kStillActive);
    EXPECT_EQ(pw::waitForSingleObject(thread, 10), pw::kWaitTimeout);
    pw::setEvent(go);
    EXPECT_EQ(pw::waitForSingleObject(thread, pw::kInfinite), pw::kWaitObject0);
    EXPECT_TRUE(pw::getExitCodeThread(thread, &code));
    EXPECT_EQ(code, 3u);
    EXPECT_TRUE(pw::closeHandle(thread));
    pw::closeHandle(go);
}

TEST(Threads, BadHandlesFailCleanly) {
    EXPECT_EQ(pw::createThread(nullptr, nullptr), pw::kInvalidHandle);
    pw::Handle event = pw::createEvent(true, true);
    pw::closeHandle(event);
    EXPECT_EQ(pw::waitForSingleObject(event, 0), pw::kWaitFailed);
    EXPECT_FALSE(pw::setEvent(event));
    EXPECT_EQ(pw::waitForSingleObject(nullptr, 0), pw::kWaitFailed);
    uint32_t code;
    EXPECT_FALSE(pw::getExitCodeThread(nullptr, &code));
}

}  // namespace

namespace {

struct Released {
    pw::Handle go;
    std::atomic<bool> done{false};
};

uint32_t finishLater(void* arg) {
    auto* r = static_cast<Released*>(arg);
    pw::waitForSingleObject(r->go, pw::kInfinite);
    r->done = true;
    return 0;
}

TEST(Threads, ClosingTheHandleLetsARunningThreadFinish) {
    Released r{pw::createEvent(true, false)};
    pw::Handle thread = pw::createThread(finishLater, &r);
    ASSERT_NE(thread, pw::kInvalidHandle);
    EXPECT_TRUE(pw::closeHandle(thread));  // the thread goes on without its handle
    EXPECT_EQ(pw::waitForSingleObject(thread, 0), pw::kWaitFailed);
    pw::setEvent(r.go);
    while (!r.done) std::this_thread::yield();
    pw::closeHandle(r.go);
}

}  // namespace
