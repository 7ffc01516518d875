// One PFD paint (attitude and speed groups) at 1024 x 1024 pixels with the
// default configuration, on a raster surface.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace {

const std::string& defaultConfiguration() {
    static const std::string path = (std::filesystem::path(__FILE__).parent_path().parent_path() /
                                     "assets" / "config" / "F16.ini")
                                        .string();
    return path;
}

zentra::SimSnapshot bankedClimb() {
    zentra::SimSnapshot s;
    s.indicatedAirspeed = 287.4;
    s.mach = 0.48;
    s.pitchAngle = -12;
    s.bankAngle = 25;
    s.slipBall = 0.1;
    s.maximumSpeed = 350;
    s.minimumSpeed = 150;
    s.apSpeed = 300;
    s.apSpeedHold = 1;
    s.flightDirectorOn = 1;
    s.flightDirectorBank = -20;
    s.flightDirectorPitch = -10;
    return s;
}

constexpr int kAttitude = 1;
constexpr int kSpeed = 2;

// The attitude and speed groups as the PFD paints them, after the clear.
void BM_PfdPaint(benchmark::State& state) {
    const int size = int(state.range(0));
    zentra::PfdDisplay pfd(nullptr);
    pfd.loadSettings(defaultConfiguration().c_str());
    platform::gfx::Bitmap bitmap(size, size, host::PixelFormat::Argb32);
    std::unique_ptr<platform::gfx::Graphics> graphics;
    if (platform::gfx::Graphics::create(&bitmap, &graphics) != platform::gfx::Status::Ok) {
        state.SkipWithError("no raster graphics");
        return;
    }
    zentra::Canvas canvas(graphics.get());
    pfd.setCanvas(&canvas, size, size);
    zentra::SimSnapshot snapshot = bankedClimb();
    snapshot.batteryMaster = 1;
    zentra::SnapshotBinding binding(snapshot);
    // Powered and painted once: day brightness, layout made.
    pfd.updatePowerState();
    pfd.paint();
    pfd.waitForRender();
    platform::gfx::StringFormat format;
    zentra::PfdPaint p{canvas, pfd.styles(), pfd.fonts(), pfd.settings(), pfd.quality(), format};
    const int groups = int(state.range(1));
    for (auto _ : state) {
        // The aircraft moves a little every frame, as in flight.
        snapshot.indicatedAirspeed += 0.05;
        snapshot.bankAngle = snapshot.bankAngle > 40 ? -40 : snapshot.bankAngle + 0.1;
        pfd.clearBackground();
        zentra::applyRenderingQuality(canvas, pfd.quality(), false);
        if (groups & kAttitude) pfd.attitude().paint(p);
        if (groups & kSpeed) {
            pfd.speedTape().paint(p);
            pfd.speedWindow().paint(p);
        }
    }
    pfd.setCanvas(nullptr, 0, 0);
}
// Arguments: pixel size, groups painted (1 attitude, 2 speed).
BENCHMARK(BM_PfdPaint)
    ->Args({1024, kAttitude | kSpeed})
    ->Args({1024, kAttitude})
    ->Args({1024, kSpeed})
    ->Args({1024, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
