// Mouse areas of the display gauges: clicks toggle the popup window, wheel
// steps reach the display, and every call is handled.
#include "zentra/frame/mouse.h"

#include <gtest/gtest.h>

#include "host/services.h"
#include "tests/zentra/frame/spy_display.h"
#include "tests/zentra/simdata/fake_host.h"

namespace zentra {
namespace {

using testing::FakeHost;
using testing::PlacedGauge;
using testing::SpyDisplay;

TEST(Mouse, AClickTogglesThePopupWindowWhenTheDisplayHasOne) {
    FakeHost host;
    setDisplayFactory(&testing::spyFactory);
    PlacedGauge g;
    host::Point p{};
    // No objects yet: handled, nothing toggled.
    EXPECT_EQ(pfdMouse(&p, host::kMouseLeftSingle), 1);
    EXPECT_EQ(debugPopupMouse(&p, 0), 1);

    pfdCallback(&g.header, host::kConnectToWindow, 0);
    ndCallback(&g.header, host::kConnectToWindow, 0);
    debugCallback(&g.header, host::kConnectToWindow, 0);
    auto* pfd = static_cast<SpyDisplay*>(displayObject(DisplayType::Pfd));
    auto* debug = static_cast<SpyDisplay*>(displayObject(DisplayType::Debug));
    EXPECT_EQ(pfdMouse(&p, host::kMouseLeftSingle), 1);  // popup id 0: none to toggle
    EXPECT_TRUE(host.toggled.empty());

    pfd->setPopupWindowId(10501);
    debug->setPopupWindowId(10599);
    EXPECT_EQ(pfdMouse(&p, host::kMouseLeftSingle), 1);
    EXPECT_EQ(pfdMouse(&p, host::kMouseLeftSingle | host::kMouseWheelUp), 1);  // click wins
    EXPECT_EQ(pfdMouse(&p, host::kMouseWheelUp), 1);
    EXPECT_EQ(pfdMouse(&p, host::kMouseWheelDown), 1);
    EXPECT_EQ(ndMouse(&p, host::kMouseLeftSingle), 1);       // the ND has no popup
    EXPECT_EQ(eicasMouse(&p, host::kMouseLeftSingle), 1);    // no EICAS object
    EXPECT_EQ(debugPopupMouse(&p, host::kMouseWheelUp), 1);  // flags not looked at
    EXPECT_EQ(debugCornerMouse(&p, host::kMouseLeftSingle), 1);
    EXPECT_EQ(host.toggled, (std::vector<uint32_t>{10501, 10501, 10599}));

    pfdCallback(&g.header, host::kDisconnect, 0);
    ndCallback(&g.header, host::kDisconnect, 0);
    debugCallback(&g.header, host::kDisconnect, 0);
    setDisplayFactory(nullptr);
}

}  // namespace
}  // namespace zentra
