#pragma once
// What one simhost run is told to do (the command's options, docs/simhost.md).
#include <cstdint>
#include <string>
#include <vector>

namespace simhost {

struct RunOptions {
    std::string panelFile;     // empty: the built-in default panel
    std::string scenarioFile;  // empty: the built-in default scenario
    std::string outDir = "out";
    std::vector<double> atTimes;  // seconds of simulation time
    int64_t every = 0;            // a picture every N frames (0: off)
    std::string eventsFile;       // empty: <outDir>/events.csv
    std::string modulesDir;       // empty: <simhost's folder>/modules
    std::string dataDir;          // folder the simulator runs in; empty: simhost's folder
    double rate = 18.0;           // frames per simulated second
    bool progress = true;
    std::string recordDrawFile;   // every drawing call as JSON lines; empty: off
    std::string snapshotFile;     // zentra snapshot values per captured frame (CSV); empty: off
};

}  // namespace simhost
