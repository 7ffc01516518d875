#include "simhost/scenario.h"

#include <gtest/gtest.h>

#include "simhost/host_error.h"

namespace simhost {
namespace {

TEST(Scenario, ReadsTracksTextsEventsAndPlan) {
    const char* text =
        "# a comment\n"
        "duration 30\n"
        "waypoint KSEA 47.449 -122.309\n"
        "publish radar off\n"
        "0 set indicated_airspeed 100   # trailing comment\n"
        "0 set heading 350\n"
        "0 text nav1_ident SEA\n"
        "0 raw 4000 1.5\n"
        "0 named \"Radar Target Distance\" 12\n"
        "0 set true_airspeed 110\n"
        "0 set panel_lighting 4\n"
        "1 shared nd_range 20\n"
        "2 open 10104\n"
        "3 click 0 gauge01 40 30\n"
        "4 wheel Window00 zentra!PFD 50 50 down 3\n"
        "5 view 2\n"
        "6 next_waypoint 0\n"
        "10 set indicated_airspeed 200\n"
        "10 set heading 10\n";
    Scenario s = parseScenario(text, "s.scn");
    EXPECT_DOUBLE_EQ(s.duration, 30.0);
    EXPECT_FALSE(s.publishRadar);
    ASSERT_EQ(s.waypoints.size(), 1u);
    EXPECT_EQ(s.waypoints[0].ident, "KSEA");
    ASSERT_EQ(s.tracks.size(), 6u);
    EXPECT_EQ(s.tracks[0].name, "indicated_airspeed");
    ASSERT_EQ(s.tracks[0].keys.size(), 2u);
    EXPECT_DOUBLE_EQ(s.tracks[0].keys[1].value, 200.0);
    EXPECT_EQ(s.tracks[1].blend, Blend::Angle);
    EXPECT_EQ(s.tracks[2].target, TrackTarget::RawToken);
    EXPECT_EQ(s.tracks[2].token, 4000);
    EXPECT_EQ(s.tracks[3].target, TrackTarget::NamedVariable);
    EXPECT_EQ(s.tracks[3].name, "Radar Target Distance");
    EXPECT_EQ(s.tracks[4].target, TrackTarget::AircraftVar);
    EXPECT_EQ(s.tracks[5].target, TrackTarget::PanelLighting);
    ASSERT_EQ(s.texts.size(), 1u);
    EXPECT_EQ(s.texts[0].token, 47);
    ASSERT_EQ(s.events.size(), 6u);
    EXPECT_EQ(s.events[0].kind, EventKind::Shared);
    EXPECT_EQ(s.events[2].kind, EventKind::Click);
    EXPECT_EQ(s.events[2].line, 14);
    EXPECT_EQ(s.events[3].kind, EventKind::Wheel);
    EXPECT_FALSE(s.events[3].up);
    EXPECT_EQ(s.events[3].steps, 3);
    EXPECT_EQ(s.events[3].gauge, "zentra!PFD");
}

TEST(Scenario, BadInputNamesFileLineAndProblem) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"0 set airspeed 100\n", "s.scn:1: unknown channel \"airspeed\""},
        {"\n0 set indicated_airspeed fast\n", "s.scn:2: bad value \"fast\""},
        {"5 set mach 0.5\n4 set mach 0.6\n", "s.scn:2: time goes backwards (4 after 5 for mach)"},
        {"5 view 1\n4 view 2\n", "s.scn:2: time goes backwards (4 after 5 for the events)"},
        {"5 text nav1_ident A\n4 text nav1_ident B\n",
         "s.scn:2: time goes backwards (4 after 5 for nav1_ident)"},
        {"-1 set mach 0.5\n", "s.scn:1: negative time -1"},
        {"fly 10\n", "s.scn:1: unknown command \"fly\""},
        {"0 jump\n", "s.scn:1: unknown command \"jump\""},
        {"0\n", "s.scn:1: a time needs a command"},
        {"0 set mach\n", "s.scn:1: expected: TIME set CHANNEL VALUE"},
        {"0 set nav1_ident ABC\n", "s.scn:1: channel nav1_ident is a text"},
        {"0 text heading ABC\n", "s.scn:1: unknown text channel \"heading\""},
        {"0 named \"Radar Mode 2\n", "s.scn:1: quote not closed"},
        {"0 raw 24 100\n", "s.scn:1: token 24 is not a number field"},
        {"0 raw x 100\n", "s.scn:1: bad token \"x\""},
        {"0 shared nd_zoom 1\n", "s.scn:1: unknown shared data field \"nd_zoom\""},
        {"0 wheel 0 gauge00 1 1 sideways\n", "s.scn:1: wheel direction must be up or down"},
        {"0 click 0 gauge00 1\n", "s.scn:1: expected: TIME click WINDOW GAUGE X Y"},
        {"0 view two\n", "s.scn:1: bad view mode \"two\""},
        {"duration 0\n", "s.scn:1: duration must be above 0"},
        {"waypoint TOOLONGID 1 2\n", "s.scn:1: waypoint ident must be 1 to 8 characters"},
        {"waypoint A 91 2\n", "s.scn:1: latitude outside -90 to 90"},
        {"publish traffic on\n", "s.scn:1: unknown publisher \"traffic\""},
        {"duration 5\n6 view 2\n", "s.scn:2: event at 6 s is after the end of the run (5 s)"},
    };
    for (const Case& c : cases) {
        try {
            parseScenario(c.text, "s.scn");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u)
                << "got \"" << e.what() << "\" for " << c.text;
        }
    }
}

}  // namespace
}  // namespace simhost
