// Loads the fixture gauge module through the host in this process and flies
// short scenarios.
#include "simhost/simulator.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "simhost/aircraft_vars.h"
#include "simhost/compositor.h"
#include "simhost/frame_loop.h"
#include "simhost/host_error.h"

namespace simhost {
namespace {

const char* kPanel =
    "[Window00]\n"
    "size=200,150\n"
    "gauge00=fixture_gauges!Test Gauge, 10, 10\n"
    "[Window01]\n"
    "ident=10104\n"
    "size=128,96\n"
    "visible=0\n"
    "gauge00=fixture_gauges!Test Gauge, 0, 0, 128, 96\n";

struct HostRun {
    Simulator sim;
    FrameLoop loop{sim};
    HostRun(const char* panel, const char* scenario)
        : sim(parsePanel(panel, "p.ini"), parseScenario(scenario, "s.scn"),
              RunSettings{GAUGE_MODULE_DIR, 18.0}) {}
    void all() {
        loop.start();
        for (int64_t f = 0; f <= sim.lastFrame(); ++f) loop.step(f);
        loop.finish();
    }
    std::vector<const LoggedEvent*> events(const std::string& kind, int64_t id = -1) {
        std::vector<const LoggedEvent*> out;
        for (const LoggedEvent& e : sim.eventLog().events()) {
            if (e.kind == kind && (id < 0 || e.id == id)) out.push_back(&e);
        }
        return out;
    }
};

std::string serviceLog() {
    void* m = dlopen(GAUGE_MODULE_DIR "/fixture_gauges.so", RTLD_NOW | RTLD_NOLOAD);
    if (!m) return "module not loaded";
    auto log = reinterpret_cast<const char* (*)()>(dlsym(m, "fixtureServiceLog"));
    std::string out = log ? log() : "no log export";
    dlclose(m);
    return out;
}

TEST(Simulator, ServesGaugesInTheDocumentedOrder) {
    HostRun r(kPanel, "duration 1\n0.5 open 10104\n");
    r.loop.start();
    // Connect both, then query, install and initialize each, then open the
    // shown window; the hidden window's gauge gets no open.
    EXPECT_EQ(serviceLog(), "14,14,0,1,0,1,2,3,2,3,4,5,4,5,16");
    r.loop.step(0);
    EXPECT_EQ(serviceLog(), "14,14,0,1,0,1,2,3,2,3,4,5,4,5,16,6,7,6,7,10,11");
    for (int64_t f = 1; f <= r.sim.lastFrame(); ++f) r.loop.step(f);
    r.loop.finish();
    const std::string log = serviceLog();
    EXPECT_EQ(log.substr(log.size() - 17), "12,13,12,13,15,15");
    // The window opened at 0.5 s (frame 9): one more open, and the gauge
    // there drew from then on.
    ASSERT_EQ(r.events("key_event", 70016).size(), 2u);
    EXPECT_EQ(r.events("key_event", 70016)[1]->frame, 9);
    EXPECT_EQ(r.events("key_event", 70016)[1]->source,
              "Window01/gauge00 fixture_gauges!Test Gauge");
    EXPECT_FALSE(r.sim.gauges()[1]->surfaces()[0]->taken.empty());
    // Connect counts rise to 2 and fall back to 0.
    auto connects = r.events("key_event", 70014);
    auto disconnects = r.events("key_event", 70015);
    ASSERT_EQ(connects.size(), 2u);
    EXPECT_EQ(connects[1]->parameter, 2);
    ASSERT_EQ(disconnects.size(), 2u);
    EXPECT_EQ(disconnects[1]->parameter, 0);
    EXPECT_EQ(r.events("key_event", 70200)[0]->parameter, 1);  // shared data block found
}

TEST(Simulator, HiddenWindowsAreNotDrawn) {
    HostRun r(kPanel, "duration 0.5\n");
    r.all();
    EXPECT_FALSE(r.sim.gauges()[0]->surfaces()[0]->taken.empty());
    EXPECT_TRUE(r.sim.gauges()[1]->surfaces()[0]->taken.empty());
}

TEST(Simulator, ChannelsReachSurfacesAndElementCallbacks) {
    HostRun r(kPanel, "duration 1\n0 set indicated_airspeed 0\n1 set indicated_airspeed 180\n");
    r.all();
    GaugeInstance& g = *r.sim.gauges()[0];
    // The needle's callback doubles the airspeed it gets from token 61.
    ASSERT_EQ(g.elements().size(), 3u);
    EXPECT_EQ(g.elements()[2].element->type, host::ElementType::Needle);
    EXPECT_DOUBLE_EQ(g.elements()[2].values[0], 360.0);
    // The surface (40 x 24 at 12, 12) holds the last airspeed as red.
    const SurfaceSlot& s = *g.surfaces()[0];
    EXPECT_EQ(s.surface.width, 40);
    EXPECT_EQ(s.surface.format, host::PixelFormat::Rgb24);
    EXPECT_EQ(s.taken[10 * 40 + 20], 0xFFB44080u);
    WindowPicture pic = composeWindow(r.sim.windows()[0]);
    EXPECT_EQ(pic.pixels[(10 + 12 + 10) * 200 + 10 + 12 + 20], 0xFFB44080u);
    EXPECT_EQ(pic.pixels[(10 + 8) * 200 + 10 + 8], 0xFF2030C0u);  // background bitmap
    EXPECT_EQ(pic.pixels[(10 + 1) * 200 + 10 + 1], 0xFF000000u);  // its black frame: see-through
}

TEST(Simulator, MouseEventsReachTheMouseAreas) {
    HostRun r(kPanel,
              "duration 1\n"
              "0.2 click 0 gauge00 30 20\n"
              "0.3 click Window00 \"fixture_gauges!test gauge\" 2 42\n"
              "0.4 click 0 gauge00 60 2\n"
              "0.5 wheel 0 gauge00 20 20 up 2\n"
              "0.6 click 10104 gauge00 30 20\n");
    r.all();
    auto clicks = r.events("key_event", 70100);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(clicks[0]->parameter, 30020);
    EXPECT_EQ(clicks[0]->frame, 4);
    EXPECT_EQ(clicks[0]->source, "Window00/gauge00 fixture_gauges!Test Gauge");
    EXPECT_EQ(r.events("key_event", 70300).size(), 1u);  // an area with an event id
    EXPECT_EQ(r.events("key_event", 70101).size(), 2u);
    auto logged = r.events("click");
    ASSERT_EQ(logged.size(), 4u);
    EXPECT_NE(logged[2]->detail.find("(no mouse area)"), std::string::npos);
    EXPECT_NE(logged[3]->detail.find("(window not shown)"), std::string::npos);
}

TEST(Simulator, HostOperationsAnswerFromTheScenario) {
    HostRun r(kPanel,
              "duration 1\n"
              "0 set panel_lighting 4\n"
              "0 set stick_x 50\n"
              "0 set true_airspeed 100\n"
              "0 named \"Radar Mode\" 3\n"
              "0 named \"Custom\" 7\n"
              "0.5 view 2\n");
    r.loop.start();
    r.loop.step(0);
    double f = 0;
    int32_t i = 0;
    const char* s = nullptr;
    EXPECT_EQ(r.sim.executeCalculatorCode("(P:PANEL LIGHTING MODE, enum)", &f, &i, &s), 1);
    EXPECT_EQ(i, 4);
    EXPECT_EQ(r.sim.executeCalculatorCode("(P:ACTIVE VIEW MODE, number)", &f, &i, &s), 1);
    EXPECT_EQ(i, kInitialViewMode);
    EXPECT_EQ(r.sim.executeCalculatorCode("(A:YOKE X POSITION, percent)", &f, &i, &s), 1);
    EXPECT_DOUBLE_EQ(f, 50.0);
    EXPECT_EQ(r.sim.executeCalculatorCode("(A:YOKE X POSITION, percent over 100)", &f, &i, &s), 1);
    EXPECT_DOUBLE_EQ(f, 0.5);
    EXPECT_EQ(r.sim.executeCalculatorCode("(L:Custom, number)", &f, &i, &s), 1);
    EXPECT_DOUBLE_EQ(f, 7.0);
    EXPECT_EQ(r.sim.executeCalculatorCode("(A:NO SUCH THING, number)", &f, &i, &s), 0);
    EXPECT_EQ(f, 0.0);
    EXPECT_NEAR(r.sim.aircraftVarget(0x18, unitsEnum("meters per second"), 0), 51.4444, 1e-4);
    NamedVariables& named = r.sim.namedVariables();
    for (const char* n :
         {"Radar Mode", "Radar Target Distance", "Radar Target Speed", "Radar Target Altitude"}) {
        EXPECT_GE(named.find(n), 1) << n;
    }
    EXPECT_DOUBLE_EQ(named.get(named.find("Radar Mode")), 3.0);

    EXPECT_EQ(r.sim.isPanelWindowVisible(10104), 0);
    EXPECT_EQ(r.sim.panelWindowToggle(10104), 1);
    EXPECT_EQ(r.sim.isPanelWindowVisible(10104), 1);
    EXPECT_EQ(r.sim.panelWindowToggle(4242), 0);
    r.loop.step(1);  // the toggled window's gauge is opened
    ASSERT_EQ(r.events("key_event", 70016).size(), 2u);
    for (int64_t f2 = 2; f2 <= r.sim.lastFrame(); ++f2) r.loop.step(f2);
    EXPECT_EQ(r.sim.executeCalculatorCode("(P:ACTIVE VIEW MODE, number)", &f, &i, &s), 1);
    EXPECT_EQ(i, 2);
    r.loop.finish();
}

TEST(Simulator, PublishersCanBeSwitchedOff) {
    HostRun r(kPanel, "duration 0.1\npublish shared_data off\npublish radar off\n");
    r.all();
    EXPECT_EQ(r.events("key_event", 70200)[0]->parameter, 0);
    EXPECT_EQ(r.sim.namedVariables().find("Radar Mode"), -1);
}

TEST(Simulator, AlphaSurfaceOfAGaugeSizedByThePanel) {
    HostRun r(
        "[Window00]\nsize=40,20\nbackground=0,0,200\ngauge00=fixture_gauges!Plain Gauge, 0, 0, 40, "
        "20\n",
        "duration 0.2\n");
    r.all();
    const SurfaceSlot& s = *r.sim.gauges()[0]->surfaces()[0];
    EXPECT_EQ(s.surface.format, host::PixelFormat::Argb32);
    EXPECT_EQ(s.surface.width, 40);
    WindowPicture pic = composeWindow(r.sim.windows()[0]);
    // Half-covering red over blue.
    EXPECT_EQ(pic.pixels[10 * 40 + 20], 0xFF800064u);
}

TEST(Simulator, PanelAndScenarioReferencesAreChecked) {
    struct Case {
        const char* panel;
        const char* scenario;
        const char* message;
    } cases[] = {
        {"[Window00]\nsize=9,9\n\ngauge00=nosuch!G, 0, 0\n", "",
         "p.ini:4: module \"nosuch\" not found in "},
        {"[Window00]\nsize=9,9\ngauge00=fixture_gauges!G, 0, 0\n", "",
         "p.ini:3: module \"fixture_gauges\" has no gauge \"G\" (it has \"Test Gauge\", \"Plain "
         "Gauge\")"},
        {"[Window00]\nsize=9,9\ngauge00=fixture_gauges!Plain Gauge, 0, 0\n", "",
         "p.ini:3: gauge fixture_gauges!Plain Gauge: no background bitmap to size it by"},
        {"[Window00]\nsize=9,9\ngauge00=fixture_no_exports!G, 0, 0\n", "",
         "p.ini:3: module \"fixture_no_exports\" does not export Linkage"},
        {kPanel, "\n1 click 0 gauge07 1 1\n", "s.scn:2: no gauge \"gauge07\" on [Window00]"},
        {kPanel, "1 open 333\n", "s.scn:1: no panel window \"333\" in p.ini"},
        {kPanel, "1 next_waypoint 1\n", "s.scn:1: next_waypoint without any waypoint"},
    };
    for (const Case& c : cases) {
        try {
            HostRun r(c.panel, c.scenario);
            ADD_FAILURE() << "accepted " << c.message;
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

}  // namespace
}  // namespace simhost
