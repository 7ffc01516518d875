#include "host/gauge_routines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

host::ImportTable gImports;
std::vector<std::string> gCalls;
host::ElementHeader* const* gSeenList = nullptr;

void record(const char* what, host::ElementHeader* const* list) {
    gCalls.emplace_back(what);
    gSeenList = list;
}

TEST(GaugeRoutines, EachRoutineHandsItsElementListToTheMatchingHostOperation) {
    host::PanelsTable panels;
    panels.elementListQuery = [](host::ElementHeader* const* l) { record("query", l); };
    panels.elementListInstall = [](host::ElementHeader* const* l) { record("install", l); };
    panels.elementListInitialize = [](host::ElementHeader* const* l) { record("initialize", l); };
    panels.elementListUpdate = [](host::ElementHeader* const* l) { record("update", l); };
    panels.elementListGenerate = [](host::ElementHeader* const* l) { record("generate", l); };
    panels.elementListPlot = [](host::ElementHeader* const* l) { record("plot", l); };
    panels.elementListKill = [](host::ElementHeader* const* l) { record("kill", l); };
    gImports.panels.table = &panels;
    EXPECT_EQ(gImports.panels.key, host::kImportPanelsKey);

    host::StaticImage image;
    host::ElementHeader* list[] = {&image.header, nullptr};
    using R = host::StandardRoutines<&gImports>;
    host::GaugeHeader g = R::header("G", list, 100, nullptr, nullptr);
    EXPECT_EQ(g.version, 0x320u);
    g.query(&g);
    g.install(&g);
    g.initialize(&g);
    g.update(&g);
    g.generate(&g);
    g.draw(&g);
    g.kill(&g);
    EXPECT_EQ(gCalls, (std::vector<std::string>{"query", "install", "initialize", "update",
                                                "generate", "plot", "kill"}));
    EXPECT_EQ(gSeenList, list);
}

}  // namespace
