// The display frame's cost on the gauge thread: one draw call of a display
// whose render thread and double buffering are on (a back-buffer copy and a
// wake-up), against one image copy of the same surface; and a full paint of
// the debug gauge.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"
#include "tests/zentra/frame/frame_host.h"
#include "zentra/frame/debug_display.h"
#include "zentra/frame/display_base.h"
#include "zentra/simdata/sim_snapshot.h"

namespace {

namespace gfx = platform::gfx;
using zentra::liveSnapshot;

// A surface as the host makes it: 24-bit RGB, rows 4-byte aligned.
struct Surface {
    explicit Surface(int side) {
        surface.header.type = host::ElementType::StaticImage;
        surface.header.imageFlags = host::kImageCreateDibSection;
        pixels.width = side;
        pixels.height = side;
        pixels.stride = (side * 3 + 3) & ~3;
        pixels.format = host::PixelFormat::Rgb24;
        store.assign(size_t(pixels.stride) * side, 0);
        pixels.pixels = store.data();
        surface.hdc = &pixels;
        surface.imageWidth = side;
        surface.imageHeight = side;
        background.header.children = surfaceList;
        header.elementList = list;
    }
    std::vector<uint8_t> store;
    host::Surface pixels{};
    host::StaticImage surface{};
    host::ElementHeader* surfaceList[2] = {&surface.header, nullptr};
    host::StaticImage background{};
    host::ElementHeader* list[2] = {&background.header, nullptr};
    host::GaugeHeader header{};
};

// An instrument with some drawing to do on its thread.
class BusyDisplay : public zentra::DisplayBase {
  public:
    BusyDisplay() : DisplayBase(nullptr, "ND") {}
    ~BusyDisplay() override { shutdown(); }
    void renderInstrument() override {
        frameCanvas().clear(0xFF000000u);
        for (int i = 0; i < 16; ++i) frameCanvas().fillRectangle(&brush_, i * 60.0f, 0, 30, 1024);
    }

  private:
    gfx::SolidBrush brush_{0xFF00FF00u};
};

void GaugeThreadDrawCall1024(benchmark::State& state) {
    zentra::testing::FrameHost host;
    host.viewMode = 2;
    liveSnapshot() = zentra::SimSnapshot{};
    Surface surface(1024);
    BusyDisplay display;
    display.loadSettings("no-such-file.ini");  // defaults: render thread and double buffering
    for (auto _ : state) {
        state.PauseTiming();
        display.waitForRender();  // the frame interval the host leaves the thread
        liveSnapshot().simTime += 1.0;
        state.ResumeTiming();
        display.onDraw(&surface.header);
    }
}
BENCHMARK(GaugeThreadDrawCall1024)->Unit(benchmark::kMicrosecond);

void ImageCopy1024(benchmark::State& state) {
    Surface surface(1024);
    gfx::Bitmap back(1024, 1024, host::PixelFormat::Rgb565);
    std::unique_ptr<gfx::Graphics> screen;
    gfx::Graphics::create(&surface.pixels, &screen);
    for (auto _ : state) screen->drawImage(&back, 0.0f, 0.0f);
}
BENCHMARK(ImageCopy1024)->Unit(benchmark::kMicrosecond);

void DebugPaint(benchmark::State& state) {
    zentra::testing::FrameHost host;
    host.viewMode = 2;
    liveSnapshot() = zentra::SimSnapshot{};
    Surface surface(int(state.range(0)));
    zentra::DebugDisplay display(nullptr);
    display.loadSettings("no-such-file.ini");
    for (int r = 0; r < 4; ++r) display.setRowText(r, "ALT 2871 FT");
    for (auto _ : state) {
        liveSnapshot().simTime += 1.0;
        display.onDraw(&surface.header);
    }
    display.shutdown();
}
BENCHMARK(DebugPaint)->Arg(256)->Arg(1024)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
