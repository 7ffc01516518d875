// The display registry: construction order, its 33 places, and leaving it.
#include "zentra/frame/display_registry.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "tests/zentra/frame/spy_display.h"

namespace zentra {
namespace {

using testing::spyCounts;
using testing::SpyDisplay;

TEST(DisplayRegistry, HoldsThirtyThreeObjectsInConstructionOrder) {
    spyCounts() = {};
    std::vector<std::unique_ptr<SpyDisplay>> displays;
    for (int i = 0; i < kDisplayRegistryCapacity; ++i) {
        displays.push_back(std::make_unique<SpyDisplay>(nullptr));
        EXPECT_TRUE(displays.back()->registered());
    }
    EXPECT_EQ(registeredDisplayCount(), 33);
    auto extra = std::make_unique<SpyDisplay>(nullptr, "ND");
    EXPECT_FALSE(extra->registered());  // refused: it will never be configured
    EXPECT_EQ(registeredDisplayCount(), 33);

    loadSettingsIntoRegisteredDisplays("f");
    EXPECT_EQ(spyCounts().loads.size(), 33u);
    EXPECT_FALSE(extra->configured());

    SpyDisplay* third = displays[2].get();
    displays.erase(displays.begin() + 1);  // leaving keeps the others' order
    EXPECT_EQ(registeredDisplayCount(), 32);
    EXPECT_EQ(registeredDisplay(1), third);
    EXPECT_EQ(registeredDisplay(0), displays[0].get());
    EXPECT_EQ(registeredDisplay(32), nullptr);
    EXPECT_EQ(registeredDisplay(-1), nullptr);

    extra.reset();  // an unregistered object leaves nothing behind
    EXPECT_EQ(registeredDisplayCount(), 32);
    displays.clear();
    EXPECT_EQ(registeredDisplayCount(), 0);
}

}  // namespace
}  // namespace zentra
