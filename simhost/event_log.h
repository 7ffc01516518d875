#pragma once
// The run's event log: simulator events the gauges send, panel-window
// toggles, and the scenario's window, view and mouse events, written as CSV
// (format in docs/simhost.md).
#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

struct LoggedEvent {
    double time = 0.0;
    int64_t frame = 0;
    std::string kind;  // key_event, window_toggle, window_open, window_close, view, click, wheel
    int64_t id = 0;    // event id, window ident, view mode
    int64_t parameter = 0;
    std::string source;  // the gauge that sent it, or "scenario"
    std::string detail;
};

class EventLog {
  public:
    void add(LoggedEvent e) { events_.push_back(std::move(e)); }
    const std::vector<LoggedEvent>& events() const { return events_; }
    std::string csv() const;
    // Written whole to a temporary file beside the target, then renamed.
    void write(const std::string& path) const;

  private:
    std::vector<LoggedEvent> events_;
};

// Writes bytes to path through a temporary file and a rename, so a reader
// never sees a half-written file. Throws HostError.
void writeFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace simhost
