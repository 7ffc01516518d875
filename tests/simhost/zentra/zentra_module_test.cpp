// The built zentra module as the host sees it: its exports, the five gauge
// headers with their elements, mouse areas and bitmaps, and a flight of all
// five gauges through simhost.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/gauge_header.h"
#include "host/services.h"
#include "platform/win32/resources.h"
#include "simhost/frame_loop.h"
#include "simhost/simulator.h"

namespace {

constexpr const char* kModulePath = GAUGE_MODULE_DIR "/zentra.so";

class ZentraModule : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(kModulePath, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
        linkage_ = static_cast<host::Linkage*>(dlsym(handle_, "Linkage"));
        imports_ = static_cast<host::ImportTable*>(dlsym(handle_, "ImportTable"));
    }
    void TearDown() override {
        if (handle_ != nullptr) dlclose(handle_);
    }
    void* handle_ = nullptr;
    host::Linkage* linkage_ = nullptr;
    host::ImportTable* imports_ = nullptr;
};

TEST_F(ZentraModule, ExportsItsBorder) {
    ASSERT_NE(linkage_, nullptr);
    ASSERT_NE(imports_, nullptr);
    EXPECT_NE(dlsym(handle_, "ParseNow"), nullptr);
    EXPECT_EQ(linkage_->moduleId, 0x13);
    EXPECT_EQ(linkage_->flags, 0u);
    EXPECT_EQ(linkage_->status, 0u);
    EXPECT_EQ(linkage_->version, 0x900u);
    EXPECT_EQ(imports_->panels.key, 0xFu);
    // Nothing of the core leaks out of the module.
    EXPECT_EQ(dlsym(handle_, "_ZN6zentra11sampleFrameEv"), nullptr);
}

TEST_F(ZentraModule, DeclaresFiveGaugesWithTheirElementsAndMouseAreas) {
    ASSERT_NE(linkage_, nullptr);
    struct Expected {
        const char* name;
        uint32_t width;
        int bitmap;
        uint32_t surfaceFlags;  // 0: no surface child
        int mouseChildren;
    };
    const Expected gauges[] = {{"MainGauge", 10, 4592, 0, 0},
                               {"Debug", 100, 4576, 0x26, 2},
                               {"PFD", 100, 4576, 0x24, 1},
                               {"ND", 100, 4576, 0x24, 1},
                               {"EICAS", 100, 4576, 0x24, 1}};
    for (int i = 0; i < 5; ++i) {
        const Expected& e = gauges[i];
        SCOPED_TRACE(e.name);
        const host::GaugeHeader* g = linkage_->gauges[i];
        ASSERT_NE(g, nullptr);
        EXPECT_STREQ(g->name, e.name);
        EXPECT_EQ(g->version, 0x320u);
        EXPECT_EQ(g->widthMm, e.width);
        EXPECT_NE(g->callback, nullptr);
        EXPECT_NE(g->draw, nullptr);
        const host::ElementHeader* background = g->elementList[0];
        ASSERT_NE(background, nullptr);
        EXPECT_EQ(g->elementList[1], nullptr);
        EXPECT_EQ(background->resourceId, e.bitmap);
        EXPECT_EQ(background->imageFlags, 0x1u);
        if (e.surfaceFlags != 0) {
            ASSERT_NE(background->children, nullptr);
            EXPECT_EQ(background->children[0]->resourceId, 4576);
            EXPECT_EQ(background->children[0]->imageFlags, e.surfaceFlags);
            EXPECT_EQ(background->children[1], nullptr);
        } else {
            EXPECT_EQ(background->children, nullptr);
        }
        int children = 0;
        for (const host::MouseRect* r = g->mouseRects;
             r != nullptr && r->type != host::MouseRectType::End; ++r) {
            if (r->type != host::MouseRectType::Child) continue;
            ++children;
            EXPECT_EQ(r->cursor, 5);
            EXPECT_NE(r->function, nullptr);
            const bool centre =
                r->box.x == 25 && r->box.y == 25 && r->box.w == 50 && r->box.h == 50;
            const bool corner = r->box.x == 0 && r->box.y == 0 && r->box.w == 5 && r->box.h == 5;
            EXPECT_TRUE(centre || (corner && i == 1));
            const uint32_t wheel = host::kMouseWheelUp | host::kMouseWheelDown;
            EXPECT_EQ((r->flags & wheel) != 0, i >= 2) << "wheel only on the instruments";
            EXPECT_NE(r->flags & host::kMouseLeftSingle, 0u);
        }
        EXPECT_EQ(children, e.mouseChildren);
    }
    EXPECT_EQ(linkage_->gauges[5], nullptr);
}

TEST_F(ZentraModule, CarriesItsBlackBackgroundBitmaps) {
    ASSERT_NE(linkage_, nullptr);
    const auto module = platform::win32::moduleOf(linkage_);
    struct Bitmap {
        int id, width, height;
    };
    for (const Bitmap& b : {Bitmap{4576, 100, 100}, Bitmap{4592, 10, 10}}) {
        const platform::win32::ResourceData data =
            platform::win32::findResource(module, b.id, "BITMAP");
        ASSERT_TRUE(data) << b.id;
        ASSERT_GT(data.size, 54u);
        int32_t width = 0, height = 0;
        uint16_t bits = 0;
        std::memcpy(&width, data.data + 18, 4);
        std::memcpy(&height, data.data + 22, 4);
        std::memcpy(&bits, data.data + 28, 2);
        EXPECT_EQ(width, b.width);
        EXPECT_EQ(height, b.height);
        EXPECT_EQ(bits, 8);
        uint32_t pixelOffset = 0;
        std::memcpy(&pixelOffset, data.data + 10, 4);
        bool black = true;
        for (size_t k = 54; k < pixelOffset; ++k) black &= data.data[k] == 0;  // palette
        for (size_t k = pixelOffset; k < data.size; ++k) black &= data.data[k] == 0;
        EXPECT_TRUE(black) << b.id;
    }
}

// All five gauges on a panel, the PFD also in a popup window, flown through
// simhost with clicks and wheel steps: loads, serves and unloads cleanly.
TEST(ZentraUnderSimhost, FliesAllFiveGauges) {
    const char* panel =
        "[Window00]\n"
        "size=400,300\n"
        "gauge00=zentra!MainGauge, 0, 0\n"
        "gauge01=zentra!PFD, 10, 10, 100, 100\n"
        "gauge02=zentra!ND, 120, 10, 100, 100\n"
        "gauge03=zentra!EICAS, 230, 10, 100, 100\n"
        "gauge04=zentra!Debug, 10, 150, 100, 100\n"
        "[Window01]\n"
        "ident=10501\n"
        "size=200,200\n"
        "visible=0\n"
        "gauge00=zentra!PFD, 0, 0, 200, 200\n";
    const char* scenario =
        "duration 2\n"
        "waypoint KSEA 47.449 -122.309\n"
        "waypoint KBOI 43.564 -116.223\n"
        "0 set indicated_airspeed 150\n"
        "2 set indicated_airspeed 160\n"
        "0.5 open 10501\n"
        "1 click 0 gauge01 50 50\n"
        "1.2 wheel 0 gauge01 50 50 up 2\n"
        "1.5 close 10501\n";
    simhost::Simulator sim(simhost::parsePanel(panel, "zentra.ini"),
                           simhost::parseScenario(scenario, "zentra.scn"),
                           simhost::RunSettings{GAUGE_MODULE_DIR, 18.0});
    simhost::FrameLoop loop(sim);
    loop.start();
    for (int64_t f = 0; f <= sim.lastFrame(); ++f) loop.step(f);
    loop.finish();
    int clicks = 0;
    for (const auto& e : sim.eventLog().events()) {
        if (e.kind == "click" || e.kind == "wheel") {
            ++clicks;
            EXPECT_EQ(e.detail.find("no mouse area"), std::string::npos) << e.detail;
        }
    }
    EXPECT_EQ(clicks, 2);
}

}  // namespace
