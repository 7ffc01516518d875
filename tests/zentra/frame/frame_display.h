#pragma once
// A display for frame tests: its instrument fills the surface with a colour
// chosen by the airspeed of the snapshot it renders from.
#include <atomic>
#include <chrono>
#include <thread>

#include "zentra/frame/display_base.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra::testing {

// Colours a 5-6-5 back buffer keeps exactly.
inline uint32_t airspeedColour(double airspeed) {
    static const uint32_t colours[] = {0xFFFFFFFFu, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
    return colours[int(airspeed) & 3];
}

class FrameDisplay : public DisplayBase {
  public:
    explicit FrameDisplay(const char* section = "PFD") : DisplayBase(nullptr, section) {}
    ~FrameDisplay() override { shutdown(); }

    void renderInstrument() override {
        if (renderDelayMs > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(renderDelayMs));
        frameCanvas().clear(airspeedColour(IndicatedAirspeed()));
        ++renders;
    }
    void layoutRegions() override { ++layouts; }
    void publishBrightness() override { ++publishes; }

    std::atomic<int> renders{0};
    int layouts = 0;
    int publishes = 0;
    int renderDelayMs = 0;
};

}  // namespace zentra::testing
