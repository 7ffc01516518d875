#include "simhost/panel_file.h"

#include <gtest/gtest.h>

#include "simhost/host_error.h"

namespace simhost {
namespace {

TEST(PanelFile, ReadsWindowsSurfacesAndGauges) {
    const char* text =
        "; main panel\n"
        "[Window00]\n"
        "size = 640, 480\n"
        "background=1,2,3\n"
        "gauge00=zentra!MainGauge, 0, 0, 10, 10\n"
        "gauge01 = orvane!Control Panel , 20 , 30 , 157\n"
        "\n"
        "[window01]\n"
        "ident=10104\n"
        "size=320,240\n"
        "visible=0\n"
        "gauge00=zentra!PFD, 0, 0\n"
        "[VCockpit01]\n"
        "size=512,512\n"
        "gauge00=zentra!PFD, -10, 5, 512, 512\n";
    PanelLayout p = parsePanel(text, "p.ini");
    ASSERT_EQ(p.windows.size(), 3u);
    const WindowSpec& main = p.windows[0];
    EXPECT_FALSE(main.isVc);
    EXPECT_EQ(main.ident, 0u);
    EXPECT_TRUE(main.visible);
    EXPECT_EQ(main.width, 640);
    EXPECT_EQ(main.background, 0x010203u);
    ASSERT_EQ(main.gauges.size(), 2u);
    EXPECT_EQ(main.gauges[1].module, "orvane");
    EXPECT_EQ(main.gauges[1].gauge, "Control Panel");
    EXPECT_EQ(main.gauges[1].x, 20);
    EXPECT_EQ(main.gauges[1].w, 157);
    EXPECT_EQ(main.gauges[1].h, 0);
    EXPECT_EQ(main.gauges[1].line, 6);
    EXPECT_EQ(p.windows[1].ident, 10104u);
    EXPECT_FALSE(p.windows[1].visible);
    EXPECT_TRUE(p.windows[2].isVc);
    EXPECT_EQ(p.windows[2].gauges[0].x, -10);
}

TEST(PanelFile, BadInputNamesFileLineAndProblem) {
    struct Case {
        const char* text;
        const char* message;
    } cases[] = {
        {"[Window00]\nsize=10,10\ngauge00=zentra PFD, 0, 0\n",
         "p.ini:3: gauge must be given as module!gauge"},
        {"[Window00]\nsize=10,10\ngauge00=zentra!PFD\n", "p.ini:3: gauge needs a position"},
        {"[Window00]\nsize=10,10\ngauge00=zentra!PFD, 0, y\n", "p.ini:3: bad y \"y\""},
        {"[Window00]\nsize=10,10\ngauge00=zentra!PFD, 0, 0, 0\n", "p.ini:3: bad width \"0\""},
        {"[Window00]\nsize=10,10\ngauge00=a!b, 0, 0, 1, 1, 1\n", "p.ini:3: too many fields"},
        {"[Window00]\nsize=10\n", "p.ini:2: size must be W,H"},
        {"[Window00]\nsize=10,10\ncolour=1\n", "p.ini:3: unknown key \"colour\""},
        {"size=10,10\n", "p.ini:1: \"size\" before any"},
        {"[Panel]\n", "p.ini:1: unknown section [Panel]"},
        {"[Window00\n", "p.ini:1: section header without closing ]"},
        {"[Window00]\nsize=10,10\nthis is not a key\n", "p.ini:3: expected key=value"},
        {"[Window00]\n", "p.ini:1: [Window00] has no size=W,H"},
        {"[Window01]\nsize=10,10\n", "p.ini:1: [Window01] has no ident=N"},
        {"[Window00]\nsize=10,10\n[Window01]\nident=0\nsize=1,1\n", "p.ini:3: ident 0 used twice"},
        {"[Window00]\nsize=10,10\nsize=10,10\n", "p.ini:3: key \"size\" given twice"},
        {"[Window00]\nsize=10,10\n[window00]\n", "p.ini:3: section [window00] given twice"},
        {"[VCockpit01]\nsize=10,10\nvisible=1\n", "p.ini:3: a virtual-cockpit surface"},
        {"[Window00]\nsize=10,10\nvisible=yes\n", "p.ini:3: visible must be 0 or 1"},
        {"[Window00]\nsize=10,10\nbackground=1,2,300\n", "p.ini:3: colour part \"300\""},
        {"[Window00]\nsize=9000,10\n", "p.ini:2: size larger than 8192"},
        {"", "p.ini: no [WindowNN] or [VCockpitNN] section"},
    };
    for (const Case& c : cases) {
        try {
            parsePanel(c.text, "p.ini");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u)
                << "got \"" << e.what() << "\" for " << c.text;
        }
    }
}

TEST(PanelFile, MissingFileIsReported) {
    try {
        readPanelFile("/nonexistent/panel.ini");
        FAIL();
    } catch (const HostError& e) {
        EXPECT_STREQ(e.what(), "/nonexistent/panel.ini: cannot read the panel file");
    }
}

}  // namespace
}  // namespace simhost
