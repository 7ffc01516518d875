#pragma once
// simhost --snapshot FILE: every value of the zentra snapshot by its getter
// name, at each captured frame, as CSV (docs/simhost.md). The host samples
// with its own copy of the zentra sampler once per frame, after the frame's
// gauge services, as the MainGauge does, so the values are the ones the
// displays draw from.
#include <cstdint>
#include <string>

#include "host/panels.h"

namespace simhost {

class Simulator;

class SnapshotRecorder {
  public:
    // An empty file name records nothing.
    explicit SnapshotRecorder(std::string file);
    ~SnapshotRecorder();
    SnapshotRecorder(const SnapshotRecorder&) = delete;
    SnapshotRecorder& operator=(const SnapshotRecorder&) = delete;

    // After each frame; captured frames get a row.
    void frame(const Simulator& sim, int64_t frame, bool captured);
    // Writes the file (atomically); throws HostError when it cannot.
    void finish();

  private:
    std::string file_;
    std::string text_;
    host::PanelsTable table_{};
};

}  // namespace simhost
