#pragma once
// Loads gauge modules (shared libraries) by name from the modules folder,
// writes the host's function table into their ImportTable and finds their
// gauges by walking Linkage.
#include <memory>
#include <string>
#include <vector>

#include "host/gauge_header.h"
#include "host/panels.h"

namespace simhost {

struct LoadedModule {
    std::string name;  // as the panel names it
    std::string path;
    void* handle = nullptr;
    host::Linkage* linkage = nullptr;
    host::ImportTable* imports = nullptr;
    const void* base = nullptr;  // load base: the module's resources are found by it
    // Optional export "WaitForRenders": returns once the module's render
    // threads have finished the frames they were given, so what the host
    // takes from the surfaces is complete and the same on every run.
    void (*waitForRenders)() = nullptr;

    // The gauge header of that name, or null.
    const host::GaugeHeader* findGauge(const std::string& gauge) const;
    std::string gaugeNames() const;  // "A", "B" for messages
};

class ModuleLoader {
  public:
    ModuleLoader(std::string dir, host::PanelsTable* table);
    ~ModuleLoader();
    ModuleLoader(const ModuleLoader&) = delete;
    ModuleLoader& operator=(const ModuleLoader&) = delete;

    // Loaded once per name (without regard to case); throws HostError naming
    // the referring file and line when the module or an export is missing.
    LoadedModule& load(const std::string& name, const std::string& file, int line);

    const std::string& dir() const { return dir_; }

  private:
    std::string findFile(const std::string& name) const;

    std::string dir_;
    host::PanelsTable* table_;
    std::vector<std::unique_ptr<LoadedModule>> modules_;
};

}  // namespace simhost
