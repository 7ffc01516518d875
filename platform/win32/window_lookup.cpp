#include "platform/win32/window_lookup.h"

#include <dlfcn.h>
#include <link.h>
#include <strings.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <string>

namespace platform::win32 {
namespace {

std::string folded(const char* name) {
    std::string out = name;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

struct WindowClasses {
    std::mutex mutex;
    std::map<std::string, int> classes;  // the node's value is the window handle
};

WindowClasses& windowClasses() {
    static auto* classes = new WindowClasses;
    return *classes;
}

// A module's base name as it is looked up: no directory, lower case, no
// ".dll" / ".so[.N]" ending.
std::string moduleName(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    std::string name = folded(path.substr(slash == std::string::npos ? 0 : slash + 1).c_str());
    const size_t so = name.find(".so");
    if (so != std::string::npos && (so + 3 == name.size() || name[so + 3] == '.')) {
        name.erase(so);
    } else if (name.size() > 4 && name.compare(name.size() - 4, 4, ".dll") == 0) {
        name.erase(name.size() - 4);
    }
    return name;
}

std::string withoutLib(const std::string& name) {
    return name.compare(0, 3, "lib") == 0 ? name.substr(3) : name;
}

std::string mainProgramPath() {
    char buf[4096];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<size_t>(n)) : std::string();
}

// The load base (as dladdr reports it) of a loaded object.
ModuleHandle baseOf(const dl_phdr_info* info) {
    for (int i = 0; i < info->dlpi_phnum; ++i) {
        if (info->dlpi_phdr[i].p_type != PT_LOAD) continue;
        Dl_info dl;
        const void* address =
            reinterpret_cast<const void*>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
        if (dladdr(address, &dl) != 0) return dl.dli_fbase;
        return address;
    }
    return nullptr;
}

struct ModuleSearch {
    std::string wanted;                 // moduleName of the request; empty: main program
    ModuleHandle wantedBase = nullptr;  // or find by base
    ModuleHandle base = nullptr;
    std::string path;
    bool first = true;
};

int visit(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<ModuleSearch*>(data);
    const bool isMain = search->first;
    search->first = false;
    const std::string path = isMain ? mainProgramPath() : std::string(info->dlpi_name);
    if (search->wantedBase != nullptr) {
        if (baseOf(info) != search->wantedBase) return 0;
    } else if (search->wanted.empty()) {
        if (!isMain) return 0;
    } else {
        if (path.empty()) return 0;
        const std::string name = moduleName(path);
        if (name != search->wanted && withoutLib(name) != withoutLib(search->wanted)) return 0;
    }
    search->base = baseOf(info);
    search->path = isMain ? std::string() : path;
    return 1;
}

}  // namespace

void registerWindowClass(const char* className) {
    if (className == nullptr) return;
    std::lock_guard lock(windowClasses().mutex);
    windowClasses().classes.emplace(folded(className), 0);
}

void unregisterWindowClass(const char* className) {
    if (className == nullptr) return;
    std::lock_guard lock(windowClasses().mutex);
    windowClasses().classes.erase(folded(className));
}

WindowHandle findWindow(const char* className) {
    if (className == nullptr) return nullptr;
    std::lock_guard lock(windowClasses().mutex);
    auto it = windowClasses().classes.find(folded(className));
    return it == windowClasses().classes.end() ? nullptr : &it->second;
}

ModuleHandle getModuleHandle(const char* name) {
    ModuleSearch search;
    if (name != nullptr) {
        search.wanted = moduleName(name);
        if (search.wanted.empty()) return nullptr;
    }
    dl_iterate_phdr(visit, &search);
    return search.base;
}

void* getProcAddress(ModuleHandle module, const char* name) {
    if (module == nullptr || name == nullptr) return nullptr;
    ModuleSearch search;
    search.wantedBase = module;
    if (dl_iterate_phdr(visit, &search) == 0) return nullptr;
    void* handle =
        dlopen(search.path.empty() ? nullptr : search.path.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) return nullptr;
    void* symbol = dlsym(handle, name);
    dlclose(handle);
    // The main program's lookup scope holds every global library: keep only
    // a symbol that lives in the module asked for.
    Dl_info dl;
    if (symbol == nullptr || dladdr(symbol, &dl) == 0 || dl.dli_fbase != module) return nullptr;
    return symbol;
}

}  // namespace platform::win32
