#include "platform/win32/beep.h"

#include <gtest/gtest.h>

#include <thread>
#include <vector>

namespace pw = platform::win32;

TEST(Beep, IsRecordedInOrderAndCleared) {
    pw::clearRecordedBeeps();
    EXPECT_TRUE(pw::beep(440, 300));
    EXPECT_TRUE(pw::beep(880, 10));
    EXPECT_EQ(pw::recordedBeeps(), (std::vector<pw::BeepRecord>{{440, 300}, {880, 10}}));
    pw::clearRecordedBeeps();
    EXPECT_TRUE(pw::recordedBeeps().empty());
}

TEST(Beep, KeepsEveryBeepFromManyThreads) {
    pw::clearRecordedBeeps();
    std::vector<std::thread> threads;
    for (uint32_t t = 0; t < 4; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < 100; ++i) pw::beep(100 + t, 1);
        });
    }
    for (auto& t : threads) t.join();
    EXPECT_EQ(pw::recordedBeeps().size(), 400u);
}
