#pragma once
// A progress bar on stderr for long runs: shown only when stderr is a
// terminal and the run has taken more than a second of real time. It never
// changes what a run computes or writes.
#include <chrono>
#include <cstdint>

namespace simhost {

class ProgressBar {
  public:
    explicit ProgressBar(int64_t total, bool enabled);
    void update(int64_t done);
    void finish();

  private:
    int64_t total_;
    bool enabled_;
    bool shown_ = false;
    int lastPercent_ = -1;
    std::chrono::steady_clock::time_point start_;
};

}  // namespace simhost
