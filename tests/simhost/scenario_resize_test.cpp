// The scenario's resize event: read with its size, refused out of range.
#include <gtest/gtest.h>

#include "simhost/host_error.h"
#include "simhost/scenario.h"

namespace simhost {
namespace {

TEST(ScenarioResize, ReadsWindowGaugeAndSize) {
    Scenario s = parseScenario("2 resize 10300 zentra!Debug 200 160\n", "s.scn");
    ASSERT_EQ(s.events.size(), 1u);
    EXPECT_EQ(s.events[0].kind, EventKind::Resize);
    EXPECT_EQ(s.events[0].window, "10300");
    EXPECT_EQ(s.events[0].gauge, "zentra!Debug");
    EXPECT_EQ(s.events[0].width, 200);
    EXPECT_EQ(s.events[0].height, 160);
}

TEST(ScenarioResize, BadSizesAreRefusedWithTheirLine) {
    for (const char* text : {"1 resize 0 gauge00 0 10\n", "1 resize 0 gauge00 10 9000\n",
                             "1 resize 0 gauge00 10\n", "1 resize 0 gauge00 ten 10\n"}) {
        try {
            parseScenario(text, "s.scn");
            ADD_FAILURE() << "accepted: " << text;
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind("s.scn:1: ", 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace simhost
