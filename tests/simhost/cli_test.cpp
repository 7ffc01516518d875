#include "simhost/cli.h"

#include <gtest/gtest.h>

#include <vector>

#include "simhost/host_error.h"

namespace simhost {
namespace {

CommandLine parse(std::vector<std::string> args) {
    args.insert(args.begin(), "simhost");
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    return parseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, ReadsEveryOption) {
    CommandLine cl = parse({"--panel", "p.ini", "--scenario=s.scn", "--out", "o", "--at", "1,2.5,0",
                            "--every", "18", "--events", "e.csv", "--modules", "m", "--data", "d",
                            "--rate", "30", "--no-progress"});
    EXPECT_EQ(cl.action, CommandAction::Run);
    const RunOptions& o = cl.options;
    EXPECT_EQ(o.panelFile, "p.ini");
    EXPECT_EQ(o.scenarioFile, "s.scn");
    EXPECT_EQ(o.outDir, "o");
    EXPECT_EQ(o.atTimes, (std::vector<double>{1, 2.5, 0}));
    EXPECT_EQ(o.every, 18);
    EXPECT_EQ(o.eventsFile, "e.csv");
    EXPECT_EQ(o.modulesDir, "m");
    EXPECT_EQ(o.dataDir, "d");
    EXPECT_DOUBLE_EQ(o.rate, 30.0);
    EXPECT_FALSE(o.progress);
    EXPECT_EQ(parse({}).options.outDir, "out");
    EXPECT_EQ(parse({"--out", "x", "--help"}).action, CommandAction::Help);
    EXPECT_EQ(parse({"channels"}).action, CommandAction::Channels);
}

TEST(CommandLine, BadArgumentsAreOneClearLine) {
    struct Case {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"--frobnicate"}, "simhost: unknown option \"--frobnicate\""},
        {{"stray"}, "simhost: unknown argument \"stray\""},
        {{"--panel"}, "simhost: --panel: needs a value (FILE)"},
        {{"--at", "1,x"}, "simhost: --at: bad time \"x\""},
        {{"--at", "-1"}, "simhost: --at: bad time \"-1\""},
        {{"--every", "0"}, "simhost: --every: expected a whole number"},
        {{"--rate", "fast"}, "simhost: --rate: expected a number above 0"},
        {{"--no-progress=1"}, "simhost: --no-progress: takes no value"},
    };
    for (const Case& c : cases) {
        try {
            parse(c.args);
            ADD_FAILURE() << "accepted " << c.args[0];
        } catch (const HostError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << e.what();
        }
    }
}

TEST(CommandLine, HelpListsEveryOption) {
    const std::string help = helpText();
    for (const char* o : {"--panel", "--scenario", "--out", "--at", "--every", "--events",
                          "--modules", "--data", "--rate", "--no-progress", "--help", "channels"}) {
        EXPECT_NE(help.find(o), std::string::npos) << o;
    }
}

}  // namespace
}  // namespace simhost
