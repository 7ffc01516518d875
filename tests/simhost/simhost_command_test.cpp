// Runs the simhost command on the fixture gauge module and reads what it
// wrote.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "simhost/png_writer.h"

namespace {

namespace fs = std::filesystem;

struct Result {
    int status = -1;
    std::string out, err;
};

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class SimhostCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::path(TEST_BINARY_DIR) / "tmp" /
               ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }

    fs::path write(const std::string& name, const std::string& text) {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return dir_ / name;
    }

    Result run(const std::string& args) {
        const std::string cmd = std::string(SIMHOST_EXE) + " --no-progress --modules " +
                                GAUGE_MODULE_DIR + " " + args + " >" + (dir_ / "stdout").string() +
                                " 2>" + (dir_ / "stderr").string();
        Result r;
        const int raw = std::system(cmd.c_str());
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = slurp(dir_ / "stdout");
        r.err = slurp(dir_ / "stderr");
        return r;
    }

    std::vector<uint32_t> picture(const fs::path& p, int& w, int& h) {
        std::vector<uint32_t> px;
        EXPECT_TRUE(simhost::decodePng(slurp(p), px, w, h)) << p;
        return px;
    }

    fs::path dir_;
};

const char* kPanel =
    "[Window00]\n"
    "size=300,200\n"
    "background=10,20,30\n"
    "gauge00=fixture_gauges!Test Gauge, 20, 20, 256, 192\n";

const char* kScenario =
    "duration 2\n"
    "0 set indicated_airspeed 100\n"
    "1 click 0 gauge00 30 20\n"
    "2 set indicated_airspeed 200\n";

TEST_F(SimhostCommand, DrawsClicksAndLogsTheGaugesLife) {
    const auto panel = write("p.ini", kPanel), scenario = write("s.scn", kScenario);
    const fs::path out = dir_ / "out";
    Result r = run("--panel " + panel.string() + " --scenario " + scenario.string() + " --out " +
                   out.string() + " --at 1,2");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("37 frames"), std::string::npos) << r.out;

    int w = 0, h = 0;
    // At 1 s the airspeed is 150; the surface sits at gauge (12, 12), scale 4.
    auto px = picture(out / "window00-0001.000.png", w, h);
    ASSERT_EQ(w, 300);
    ASSERT_EQ(h, 200);
    EXPECT_EQ(px[(20 + 48 + 40) * 300 + 20 + 48 + 80], 0xFF964080u);
    EXPECT_EQ(px[(20 + 50) * 300 + 20 + 50], 0xFFFFFFFFu);  // the white corner mark
    EXPECT_EQ(px[(20 + 20) * 300 + 20 + 20], 0xFF2030C0u);  // background bitmap
    EXPECT_EQ(px[(20 + 2) * 300 + 20 + 2], 0xFF0A141Eu);    // see-through frame
    px = picture(out / "window00-0002.000.png", w, h);
    EXPECT_EQ(px[(20 + 48 + 40) * 300 + 20 + 48 + 80], 0xFFC84080u);

    const std::string csv = slurp(out / "events.csv");
    std::istringstream lines(csv);
    std::string line;
    std::vector<std::string> rows;
    while (std::getline(lines, line)) rows.push_back(line);
    ASSERT_GE(rows.size(), 2u);
    EXPECT_EQ(rows[0], "time,frame,kind,id,parameter,source,detail");
    const std::string src = "Window00/gauge00 fixture_gauges!Test Gauge";
    auto find = [&](const std::string& text) {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (rows[i].find(text) != std::string::npos) return static_cast<int>(i);
        }
        return -1;
    };
    const int connect = find("key_event,70014,1," + src);
    const int install = find("key_event,70002,0," + src);
    const int click = find("1.000,18,key_event,70100,30020," + src);
    const int disconnect = find("2.000,36,key_event,70015,0," + src);
    EXPECT_GE(connect, 1) << csv;
    EXPECT_GT(install, connect);
    EXPECT_GT(click, install);
    EXPECT_GT(disconnect, click);
    EXPECT_GE(find("1.000,18,click,536870912,1,scenario," + src + " at x=30 y=20"), 0) << csv;
}

TEST_F(SimhostCommand, SameInputsSameBytes) {
    const auto panel = write("p.ini", kPanel), scenario = write("s.scn", kScenario);
    for (const char* o : {"a", "b"}) {
        Result r = run("--panel " + panel.string() + " --scenario " + scenario.string() +
                       " --every 12 --out " + (dir_ / o).string());
        ASSERT_EQ(r.status, 0) << r.err;
    }
    int files = 0;
    for (const auto& e : fs::directory_iterator(dir_ / "a")) {
        ++files;
        EXPECT_EQ(slurp(e.path()), slurp(dir_ / "b" / e.path().filename())) << e.path();
    }
    EXPECT_EQ(files, 4);  // frames 12, 24, 36 and the event log
}

TEST_F(SimhostCommand, RunsTheBuiltInDefaults) {
    Result r = run("--out " + (dir_ / "out").string());
    ASSERT_EQ(r.status, 0) << r.err;
    // By default one picture of every shown window at the end of the run.
    int mainPanelPictures = 0;
    for (const auto& e : fs::directory_iterator(dir_ / "out"))
        if (e.path().filename().string().rfind("window00-", 0) == 0) ++mainPanelPictures;
    EXPECT_EQ(mainPanelPictures, 1);
    EXPECT_TRUE(fs::exists(dir_ / "out" / "events.csv"));
}

TEST_F(SimhostCommand, BadInputIsOneLineAndWritesNothing) {
    const auto panel = write("p.ini", kPanel);
    struct Case {
        std::string args;
        std::string message;
    } cases[] = {
        {"--panel " +
             write("bad.ini", "[Window00]\nsize=10,10\ngauge00=fixture_gauges!Nope, 0, 0\n")
                 .string(),
         (dir_ / "bad.ini").string() + ":3: module \"fixture_gauges\" has no gauge \"Nope\""},
        {"--panel " +
             write("mod.ini", "[Window00]\nsize=10,10\ngauge00=missing!G, 0, 0\n").string(),
         (dir_ / "mod.ini").string() + ":3: module \"missing\" not found"},
        {"--panel " + panel.string() + " --scenario " +
             write("back.scn", "2 set mach 0.1\n1 set mach 0.2\n").string(),
         (dir_ / "back.scn").string() + ":2: time goes backwards (1 after 2 for mach)"},
        {"--panel " + panel.string() + " --scenario " + (dir_ / "none.scn").string(),
         (dir_ / "none.scn").string() + ": cannot read the scenario file"},
        {"--panel " + panel.string() + " --at 99", "simhost: --at: time 99 is after the end"},
        {"--bogus", "simhost: unknown option \"--bogus\""},
    };
    for (const Case& c : cases) {
        const fs::path out = dir_ / "out";
        Result r = run(c.args + " --out " + out.string());
        EXPECT_EQ(r.status, 2) << c.args;
        EXPECT_EQ(r.err.rfind(c.message, 0), 0u) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
        EXPECT_FALSE(fs::exists(out) && !fs::is_empty(out)) << c.args;
    }
}

TEST_F(SimhostCommand, VirtualCockpitSurfacesShowInViewModeTwo) {
    const auto panel = write("vc.ini", std::string(kPanel) +
                                           "[VCockpit01]\nsize=64,48\n"
                                           "gauge00=fixture_gauges!Test Gauge, 0, 0\n");
    const auto scenario = write("vc.scn", "duration 2\n1 view 2\n");
    Result r = run("--panel " + panel.string() + " --scenario " + scenario.string() + " --out " +
                   (dir_ / "out").string() + " --at 0.5,1.5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(fs::exists(dir_ / "out" / "window00-0000.500.png"));
    EXPECT_FALSE(fs::exists(dir_ / "out" / "vcockpit01-0000.500.png"));
    // The main panel closes while the view is the virtual cockpit.
    EXPECT_FALSE(fs::exists(dir_ / "out" / "window00-0001.500.png"));
    int w = 0, h = 0;
    auto px = picture(dir_ / "out" / "vcockpit01-0001.500.png", w, h);
    EXPECT_EQ(w, 64);
    EXPECT_EQ(px[20 * 64 + 30], 0xFF004080u);  // drawn: airspeed 0
}

TEST_F(SimhostCommand, AnOutputThatCannotBeWrittenEndsTheRunCleanly) {
    const auto panel = write("p.ini", kPanel), scenario = write("s.scn", kScenario);
    const fs::path blocked = dir_ / "out" / "window00-0001.000.png";
    fs::create_directories(blocked / "taken");
    Result r = run("--panel " + panel.string() + " --scenario " + scenario.string() + " --out " +
                   (dir_ / "out").string() + " --at 1");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, blocked.string() + ": cannot write the file\n");
    EXPECT_FALSE(fs::exists(blocked.string() + ".part"));
    EXPECT_FALSE(fs::exists(dir_ / "out" / "events.csv"));
}

TEST_F(SimhostCommand, HelpAndChannels) {
    Result r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--scenario FILE"), std::string::npos);
    const std::string cmd = std::string(SIMHOST_EXE) + " channels > " + (dir_ / "c").string();
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const std::string channels = slurp(dir_ / "c");
    EXPECT_NE(channels.find("vertical_speed"), std::string::npos);
    EXPECT_NE(channels.find("nd_plan_centre"), std::string::npos);
}

}  // namespace
