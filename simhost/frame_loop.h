#pragma once
// The order in which the host serves the placed gauges (docs/simhost.md):
//
// start:  connect (14) every gauge in panel order; then for every gauge
//         pre-query (0), query, post-query (1); then pre-install (2),
//         install, post-install (3); then pre-initialize (4), initialize,
//         post-initialize (5); then panel open (16) for the gauges of every
//         panel window shown at start.
// frame:  the scenario at the frame's time (channels, events, mouse);
//         panel open (16) / close (17) for windows shown or hidden since the
//         last frame; for every gauge pre-update (6), update, post-update
//         (7); for every gauge on a shown window or surface pre-draw (10),
//         draw (the host takes the surfaces whose on-screen mark is clear),
//         post-draw (11).
// finish: for every gauge pre-kill (12), kill, post-kill (13); then
//         disconnect (15) in reverse panel order.
#include <cstdint>

#include "simhost/simulator.h"

namespace simhost {

class FrameLoop {
  public:
    explicit FrameLoop(Simulator& sim) : sim_(sim) {}
    // A run cut short (an output that cannot be written) still ends the
    // gauges' lives before their modules are unloaded.
    ~FrameLoop() { finish(); }
    FrameLoop(const FrameLoop&) = delete;
    FrameLoop& operator=(const FrameLoop&) = delete;

    void start();
    void step(int64_t frame);
    void finish();

  private:
    void service(GaugeInstance& g, int32_t id);
    void routine(GaugeInstance& g, host::GaugeRoutine r);
    void panelEvents();

    Simulator& sim_;
    bool started_ = false;
};

}  // namespace simhost
