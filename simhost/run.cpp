#include "simhost/run.h"

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <ostream>
#include <set>

#include "platform/gfx/draw_recording.h"
#include "platform/win32/paths.h"
#include "platform/win32/window_lookup.h"
#include "simhost/compositor.h"
#include "simhost/embedded_defaults.h"
#include "simhost/event_log.h"
#include "simhost/frame_loop.h"
#include "simhost/host_error.h"
#include "simhost/png_writer.h"
#include "simhost/progress_bar.h"
#include "simhost/simulator.h"
#include "simhost/snapshot_recorder.h"
#include "simhost/text_words.h"

namespace simhost {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMainWindowClass = "FS98MAIN";

// Registers the simulator's main window class for the run.
class MainWindowClass {
public:
    MainWindowClass() { platform::win32::registerWindowClass(kMainWindowClass); }
    ~MainWindowClass() { platform::win32::unregisterWindowClass(kMainWindowClass); }
};

std::string pictureName(const PanelWindow& w, double time) {
    char t[32];
    std::snprintf(t, sizeof t, "%08.3f", time);
    return lowerCase(w.layout.section) + "-" + t + ".png";
}

std::set<int64_t> captureFrames(const RunOptions& o, const Simulator& sim, double duration) {
    std::set<int64_t> frames;
    for (double t : o.atTimes) {
        if (t > duration + 1e-9) {
            char msg[128];
            std::snprintf(msg, sizeof msg, "simhost: --at: time %g is after the end of the run (%g s)",
                          t, duration);
            throw HostError(msg);
        }
        frames.insert(std::min<int64_t>(static_cast<int64_t>(std::ceil(t * sim.rate() - 1e-9)),
                                        sim.lastFrame()));
    }
    if (o.every > 0) {
        for (int64_t f = o.every; f <= sim.lastFrame(); f += o.every) frames.insert(f);
    }
    if (o.atTimes.empty() && o.every == 0) frames.insert(sim.lastFrame());
    return frames;
}

}  // namespace

std::string executableDir() {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string(".") : exe.parent_path().string();
}

int runSimhost(const RunOptions& o, std::ostream& report) {
    PanelLayout panel = o.panelFile.empty()
                            ? parsePanel(defaultPanelText(), kDefaultPanelName)
                            : readPanelFile(o.panelFile);
    Scenario scenario = o.scenarioFile.empty()
                            ? parseScenario(defaultScenarioText(), kDefaultScenarioName)
                            : readScenarioFile(o.scenarioFile);
    const double duration = scenario.duration;

    RunSettings settings;
    settings.modulesDir = o.modulesDir.empty() ? executableDir() + "/modules" : o.modulesDir;
    settings.rate = o.rate;
    const std::string dataDir = o.dataDir.empty() ? executableDir() : o.dataDir;
    if (!platform::win32::setCurrentDirectory(dataDir.c_str())) {
        throw HostError(dataDir, 0, "no such folder (--data)");
    }
    MainWindowClass mainWindow;

    Simulator sim(std::move(panel), std::move(scenario), settings);
    const std::set<int64_t> captures = captureFrames(o, sim, duration);
    const std::string eventsFile = o.eventsFile.empty() ? o.outDir + "/events.csv" : o.eventsFile;
    std::error_code ec;
    fs::create_directories(o.outDir, ec);
    if (!fs::is_directory(o.outDir)) throw HostError(o.outDir, 0, "cannot create the output folder");
    // Opened once everything else checked out, so a bad run leaves no file.
    if (!o.recordDrawFile.empty() &&
        platform::gfx::setDrawRecordingFile(o.recordDrawFile) != platform::gfx::Status::Ok) {
        throw HostError(o.recordDrawFile, 0, "cannot write the draw recording (--record-draw)");
    }

    SnapshotRecorder snapshots(o.snapshotFile);
    FrameLoop loop(sim);
    ProgressBar progress(sim.lastFrame() + 1, o.progress);
    int pictures = 0;
    loop.start();
    for (int64_t f = 0; f <= sim.lastFrame(); ++f) {
        loop.step(f);
        snapshots.frame(sim, f, captures.count(f) != 0);
        if (captures.count(f)) {
            for (const PanelWindow& w : sim.windows()) {
                if (!w.shown) continue;
                WindowPicture pic = composeWindow(w);
                writeFileAtomically(o.outDir + "/" + pictureName(w, sim.timeOfFrame(f)),
                                    encodePng(pic.pixels, pic.width, pic.height));
                ++pictures;
            }
        }
        progress.update(f + 1);
    }
    loop.finish();
    if (!o.recordDrawFile.empty()) platform::gfx::setDrawRecordingFile("");
    progress.finish();
    sim.eventLog().write(eventsFile);
    snapshots.finish();

    char line[256];
    std::snprintf(line, sizeof line, "simhost: %lld frames (%g s at %g per second), %d pictures",
                  static_cast<long long>(sim.lastFrame() + 1), duration, sim.rate(), pictures);
    report << line << " in " << o.outDir << ", " << sim.eventLog().events().size()
           << " events in " << eventsFile << "\n";
    return 0;
}

}  // namespace simhost
