#include "platform/gfx/startup.h"

#include <gtest/gtest.h>

namespace platform::gfx {
namespace {

TEST(StartupTest, VersionOneStartsAndTokensShutDownOnce) {
    uintptr_t a = 0, b = 0;
    EXPECT_EQ(startup(&a, 2), Status::UnsupportedVersion);
    EXPECT_EQ(startup(nullptr), Status::InvalidParameter);
    EXPECT_EQ(activeStartups(), 0);
    ASSERT_EQ(startup(&a), Status::Ok);
    ASSERT_EQ(startup(&b, 1), Status::Ok);
    EXPECT_NE(a, 0u);
    EXPECT_NE(a, b);
    EXPECT_EQ(activeStartups(), 2);
    shutdown(a);
    shutdown(a);  // twice: ignored
    shutdown(12345);
    EXPECT_EQ(activeStartups(), 1);
    shutdown(b);
    EXPECT_EQ(activeStartups(), 0);
}

}  // namespace
}  // namespace platform::gfx
