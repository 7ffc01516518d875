// One complete PFD paint with the default configuration on an ILS approach:
// on pixels at 1024 and 512 square, and on the recording backend (the cost
// of the instrument logic without rasterising).
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/draw_record.h"
#include "platform/gfx/graphics.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace {

using namespace zentra;

SimSnapshot approach() {
    SimSnapshot s;
    s.batteryMaster = 1;  // powered: the colours at full brightness
    s.simTime = 40;
    s.indicatedAirspeed = 148;
    s.trueAirspeed = 156;
    s.groundSpeed = 149;
    s.mach = 0.23;
    s.verticalSpeed = -1000;
    s.indicatedAltitude = 3871;
    s.indicatedAltitudeInt = 3871;
    s.heightAboveLastGround = 1000;
    s.heightAboveLastGroundInt = 1000;
    s.baroSettingInHg = 29.92;
    s.baroSettingMb = 1013.25;
    s.pitchAngle = 1.5;
    s.bankAngle = -3;
    s.heading = 100;
    s.navCourse[0] = 100;
    s.navFlag[0] = s.navFlag[1] = 1;
    s.navDmeDistance[0] = 3.2;
    s.navDmeDistance[1] = 8.1;
    s.vor2Bearing = 48;
    s.adfSignal = 1;
    s.adfRelativeBearing = 14;
    s.hsiCdiNeedle = s.hsiCdiNeedleB = -0.05;
    s.hsiGsiNeedle = 0.1;
    s.hsiCdiValid = s.hsiGsiValid = 1;
    s.hsiToFromFlag = 1;
    s.autopilotOn = 1;
    s.apApproachHold = 1;
    s.apNavHold = 1;
    s.apGlideslopeHold = 1;
    s.apSpeedHold = 1;
    s.apSpeed = 150;
    s.apHeading = 100;
    s.apAltitude = 6000;
    s.flightDirectorOn = 1;
    s.decisionHeight = 200;
    s.middleMarker = false;
    s.outerMarker = true;
    return s;
}

const std::string& configPath() {
    static const std::string path = std::string(SOURCE_DIR) + "/assets/config/F16.ini";
    return path;
}

void paintOnPixels(benchmark::State& state) {
    const int size = int(state.range(0));
    gfx::Bitmap bitmap(size, size, host::PixelFormat::Argb32);
    std::unique_ptr<gfx::Graphics> graphics;
    if (gfx::Graphics::create(&bitmap, &graphics) != gfx::Status::Ok) {
        state.SkipWithError("no graphics on the bitmap");
        return;
    }
    Canvas canvas(graphics.get());
    PfdDisplay pfd(nullptr);
    pfd.loadSettings(configPath().c_str());
    pfd.setCanvas(&canvas, size, size);
    const SimSnapshot snapshot = approach();
    SnapshotBinding binding(snapshot);
    // Powered and laid out by one paint as the frame makes it.
    pfd.updatePowerState();
    pfd.paint();
    pfd.waitForRender();
    for (auto _ : state) pfd.renderInstrument();
    pfd.setCanvas(nullptr, 0, 0);
}
BENCHMARK(paintOnPixels)->Arg(1024)->Arg(512)->Unit(benchmark::kMillisecond);

void renderRecorded(benchmark::State& state) {
    gfx::DrawRecorder recorder;
    std::unique_ptr<gfx::Graphics> graphics;
    if (gfx::Graphics::createRecording(1024, 1024, &recorder, &graphics) != gfx::Status::Ok) {
        state.SkipWithError("no recording graphics");
        return;
    }
    Canvas canvas(graphics.get());
    PfdDisplay pfd(nullptr);
    pfd.loadSettings(configPath().c_str());
    pfd.setCanvas(&canvas, 1024, 1024);
    const SimSnapshot snapshot = approach();
    SnapshotBinding binding(snapshot);
    // Powered and laid out by one paint as the frame makes it.
    pfd.updatePowerState();
    pfd.paint();
    pfd.waitForRender();
    for (auto _ : state) {
        pfd.renderInstrument();
        state.PauseTiming();
        recorder.clear();
        state.ResumeTiming();
    }
    pfd.setCanvas(nullptr, 0, 0);
}
BENCHMARK(renderRecorded)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
