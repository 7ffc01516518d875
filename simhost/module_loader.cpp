#include "simhost/module_loader.h"

#include <dlfcn.h>

#include <filesystem>

#include "platform/win32/resources.h"
#include "simhost/host_error.h"
#include "simhost/text_words.h"

namespace simhost {

namespace fs = std::filesystem;

const host::GaugeHeader* LoadedModule::findGauge(const std::string& gauge) const {
    for (int i = 0; i < host::kMaxGaugesPerModule && linkage->gauges[i]; ++i) {
        const host::GaugeHeader* g = linkage->gauges[i];
        if (g->name && gauge == g->name) return g;
    }
    return nullptr;
}

std::string LoadedModule::gaugeNames() const {
    std::string out;
    for (int i = 0; i < host::kMaxGaugesPerModule && linkage->gauges[i]; ++i) {
        if (!out.empty()) out += ", ";
        out +=
            std::string("\"") + (linkage->gauges[i]->name ? linkage->gauges[i]->name : "") + "\"";
    }
    return out.empty() ? "none" : out;
}

ModuleLoader::ModuleLoader(std::string dir, host::PanelsTable* table)
    : dir_(std::move(dir)), table_(table) {}

ModuleLoader::~ModuleLoader() {
    for (auto it = modules_.rbegin(); it != modules_.rend(); ++it) {
        if ((*it)->handle) dlclose((*it)->handle);
    }
}

std::string ModuleLoader::findFile(const std::string& name) const {
    // A panel may name the module as the simulator would ("Zentra.gau"):
    // match the base name without regard to case, any extension.
    std::string base = lowerCase(name);
    for (const char* ext : {".gau", ".dll", ".so"}) {
        const std::string e(ext);
        if (base.size() > e.size() && base.compare(base.size() - e.size(), e.size(), e) == 0) {
            base.resize(base.size() - e.size());
            break;
        }
    }
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dir_, ec)) {
        const fs::path p = entry.path();
        if (p.extension() != ".so") continue;
        std::string stem = lowerCase(p.stem().string());
        if (stem.rfind("lib", 0) == 0 && stem.substr(3) == base) return p.string();
        if (stem == base) return p.string();
    }
    return {};
}

LoadedModule& ModuleLoader::load(const std::string& name, const std::string& file, int line) {
    for (auto& m : modules_) {
        if (lowerCase(m->name) == lowerCase(name)) return *m;
    }
    const std::string path = findFile(name);
    if (path.empty()) {
        throw HostError(file, line, "module \"" + name + "\" not found in " + dir_);
    }
    auto m = std::make_unique<LoadedModule>();
    m->name = name;
    m->path = path;
    m->handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!m->handle) {
        const char* why = dlerror();
        throw HostError(file, line,
                        "module \"" + name + "\" cannot be loaded: " + (why ? why : "?"));
    }
    m->linkage = static_cast<host::Linkage*>(dlsym(m->handle, "Linkage"));
    m->imports = static_cast<host::ImportTable*>(dlsym(m->handle, "ImportTable"));
    if (!m->linkage || !m->imports) {
        const char* missing = !m->linkage ? "Linkage" : "ImportTable";
        dlclose(m->handle);
        throw HostError(file, line, "module \"" + name + "\" does not export " + missing);
    }
    if (m->imports->panels.key != host::kImportPanelsKey) {
        dlclose(m->handle);
        throw HostError(file, line, "module \"" + name + "\": ImportTable does not start with 0xF");
    }
    m->imports->panels.table = table_;
    m->waitForRenders = reinterpret_cast<void (*)()>(dlsym(m->handle, "WaitForRenders"));
    m->base = platform::win32::moduleOf(m->linkage);
    modules_.push_back(std::move(m));
    return *modules_.back();
}

}  // namespace simhost
