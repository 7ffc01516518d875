#pragma once
// The host's state for one run: the loaded modules and placed gauges, the
// panel windows, the simulation variables driven by the scenario, named
// variables and published blocks, and the event log. It answers the host
// operations of the function table (panels_table.cpp) for the gauges.
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/gauge_interface.h"
#include "simhost/event_log.h"
#include "simhost/gauge_instance.h"
#include "simhost/gps_data_block.h"
#include "simhost/module_loader.h"
#include "simhost/named_variables.h"
#include "simhost/panel_file.h"
#include "simhost/resource_bitmaps.h"
#include "simhost/scenario.h"
#include "simhost/shared_data_block.h"
#include "simhost/sim_variables.h"

namespace simhost {

struct PanelWindow {
    WindowSpec layout;
    bool shown = false;  // panel windows: visible; VC surfaces: view mode 2
    bool hiddenByView = false;  // main panel closed by a turn to the virtual cockpit
    std::vector<GaugeInstance*> gauges;
};

struct RunSettings {
    std::string modulesDir;
    double rate = 18.0;  // frames per simulated second
};

// View mode the host starts in: the 2D cockpit (2 is the virtual cockpit).
inline constexpr int kInitialViewMode = 1;
inline constexpr int kVirtualCockpitView = 2;

class Simulator {
  public:
    // Loads the modules, places the gauges and checks the scenario's window
    // and gauge references; throws HostError on the first problem.
    Simulator(PanelLayout panel, Scenario scenario, RunSettings settings);
    ~Simulator();
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // The simulator the function table serves (one per process at a time).
    static Simulator* current();

    // Frames run 0..lastFrame(); frame n is at n / rate seconds.
    int64_t lastFrame() const;
    double timeOfFrame(int64_t frame) const { return static_cast<double>(frame) / settings_.rate; }
    double rate() const { return settings_.rate; }

    // Sets the time of the frame, the channels at that time, and applies the
    // scenario events due by then (mouse events reach the gauges here).
    void advance(int64_t frame);

    // Panel-window changes since the last call: (window index, opened).
    std::vector<std::pair<size_t, bool>> takePanelEvents();

    std::vector<PanelWindow>& windows() { return windows_; }
    std::vector<std::unique_ptr<GaugeInstance>>& gauges() { return gauges_; }
    EventLog& eventLog() { return events_; }
    ResourceBitmaps& bitmaps() { return bitmaps_; }
    const PanelLayout& panel() const { return panel_; }
    const Scenario& scenario() const { return scenario_; }
    double simTime() const { return time_; }
    int64_t frame() const { return frame_; }
    int viewMode() const { return viewMode_; }

    // The gauge whose code runs now (the source of the events it sends).
    void setCurrentGauge(GaugeInstance* g) { currentGauge_ = g; }
    GaugeInstance* currentGauge() const { return currentGauge_; }

    // Mouse on a placed gauge; point in gauge units. True when a mouse area
    // took it.
    bool mouse(GaugeInstance& gauge, int x, int y, uint32_t flags);

    // Host operations.
    void lookupVar(host::ModuleVar* var);
    void initializeVarByName(host::ModuleVar* var, const char* name);
    int32_t aircraftVarEnum(const char* name) const;
    double aircraftVarget(int32_t id, int32_t unitsEnum, int32_t index) const;
    int32_t executeCalculatorCode(const char* code, double* fOut, int32_t* iOut,
                                  const char** sOut) const;
    int32_t isPanelWindowVisible(uint32_t ident) const;
    int32_t panelWindowToggle(uint32_t ident);
    NamedVariables& namedVariables() { return named_; }
    void triggerKeyEvent(uint32_t eventId, uint32_t parameter);
    void elementListUpdate(host::ElementHeader* const* list);
    void elementListPlot(host::ElementHeader* const* list);

    // Values as the channels set them (tests, tools).
    const SimVariables& variables() const { return vars_; }
    SharedDataBlock* sharedData() { return shared_.get(); }

  private:
    struct ResolvedEvent {
        PanelWindow* window = nullptr;
        GaugeInstance* gauge = nullptr;
    };
    void placeGauges();
    void resolveEvents();
    PanelWindow* findWindow(const std::string& ref);
    PanelWindow* findWindowByIdent(uint32_t ident);
    void applyTracks();
    void applyEvent(const ScenarioEvent& e, const ResolvedEvent& r);
    void setShown(PanelWindow& w, bool shown);
    GaugeInstance* ownerOf(host::ElementHeader* const* list) const;
    void log(const std::string& kind, int64_t id, int64_t parameter, const std::string& detail);

    PanelLayout panel_;
    Scenario scenario_;
    RunSettings settings_;
    host::PanelsTable table_;
    ResourceBitmaps bitmaps_;
    std::unique_ptr<ModuleLoader> loader_;
    std::vector<PanelWindow> windows_;
    std::vector<std::unique_ptr<GaugeInstance>> gauges_;
    std::unordered_map<host::ElementHeader* const*, GaugeInstance*> listOwners_;
    std::vector<ResolvedEvent> resolved_;
    size_t nextEvent_ = 0;
    std::vector<int> namedIds_;  // per track; 0 for other targets

    SimVariables vars_;
    std::map<std::string, double> aircraftValues_;
    NamedVariables named_;
    std::unique_ptr<SharedDataBlock> shared_;
    std::unique_ptr<GpsDataBlock> gps_;
    double lighting_ = 0.0;
    int viewMode_ = kInitialViewMode;

    std::vector<std::pair<size_t, bool>> panelEvents_;
    EventLog events_;
    double time_ = 0.0;
    int64_t frame_ = 0;
    GaugeInstance* currentGauge_ = nullptr;
};

// Makes the gauge being served the current one for the scope.
class CurrentGauge {
  public:
    CurrentGauge(Simulator& sim, GaugeInstance* g) : sim_(sim), previous_(sim.currentGauge()) {
        sim_.setCurrentGauge(g);
    }
    ~CurrentGauge() { sim_.setCurrentGauge(previous_); }

  private:
    Simulator& sim_;
    GaugeInstance* previous_;
};

}  // namespace simhost
