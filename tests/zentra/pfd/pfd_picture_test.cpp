// The PFD with the default configuration, drawn on pixels at three moments
// of a flight; the pictures land in the build folder for a look.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/png_file.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {
namespace {

constexpr int kSize = 512;

struct Picture {
    gfx::Bitmap bitmap{kSize, kSize, host::PixelFormat::Argb32};

    explicit Picture(SimSnapshot snapshot) {
        snapshot.batteryMaster = 1;
        const std::string config = std::string(TEST_SOURCE_DIR) + "/assets/config/F16.ini";
        PfdDisplay pfd(nullptr);
        pfd.loadSettings(config.c_str());
        std::unique_ptr<gfx::Graphics> graphics;
        EXPECT_EQ(gfx::Graphics::create(&bitmap, &graphics), gfx::Status::Ok);
        Canvas canvas(graphics.get());
        pfd.setCanvas(&canvas, kSize, kSize);
        SnapshotBinding binding(snapshot);
        // Powered, then one paint as the frame makes it: on the render thread.
        pfd.updatePowerState();
        pfd.paint();
        pfd.waitForRender();
        pfd.setCanvas(nullptr, 0, 0);
    }

    gfx::Argb at(float x, float y) const {  // logical units
        gfx::Argb c = 0;
        EXPECT_EQ(bitmap.getPixel(int(x * kSize / 1000), int(y * kSize / 1000), &c),
                  gfx::Status::Ok);
        return c;
    }
    void save(const char* name) const {
        const std::filesystem::path dir = std::filesystem::path(TEST_BINARY_DIR) / "pfd-pictures";
        std::filesystem::create_directories(dir);
        EXPECT_EQ(gfx::savePng(bitmap, (dir / name).string()), gfx::Status::Ok);
    }
};

bool blueish(gfx::Argb c) { return (c & 0xFF) > ((c >> 16) & 0xFF) + 60; }
bool brownish(gfx::Argb c) { return ((c >> 16) & 0xFF) > (c & 0xFF) + 40; }

TEST(PfdPicture, TakeoffRoll) {
    SimSnapshot s;
    s.onGround = 1;
    s.indicatedAirspeed = 142;
    s.pitchAngle = -8;  // rotating
    s.apSpeed = 250;
    const Picture p(s);
    p.save("pfd_takeoff.png");
    EXPECT_TRUE(blueish(p.at(500, 250)));
    EXPECT_TRUE(brownish(p.at(500, 700)));
}

TEST(PfdPicture, BankedClimb) {
    SimSnapshot s;
    s.indicatedAirspeed = 287.4;
    s.mach = 0.48;
    s.pitchAngle = -12;
    s.bankAngle = 25;
    s.slipBall = 0.1;
    s.maximumSpeed = 350;
    s.apSpeed = 300;
    s.apSpeedHold = 1;
    s.flightDirectorOn = 1;
    s.flightDirectorBank = -20;
    s.flightDirectorPitch = -10;
    const Picture p(s);
    p.save("pfd_banked_climb.png");
    EXPECT_TRUE(blueish(p.at(500, 300)));
}

TEST(PfdPicture, Approach) {
    SimSnapshot s;
    s.indicatedAirspeed = 139.6;
    s.pitchAngle = -2.5;
    s.bankAngle = -4;
    s.minimumSpeed = 120;
    s.maximumSpeed = 200;
    s.apSpeed = 140;
    s.apSpeedHold = 1;
    s.flightDirectorOn = 1;
    s.flightDirectorPitch = -3;
    const Picture p(s);
    p.save("pfd_approach.png");
    EXPECT_TRUE(brownish(p.at(500, 700)));
}

}  // namespace
}  // namespace zentra
