#include "platform/win32/resources.h"

#include <dlfcn.h>
#include <strings.h>

#include <map>
#include <mutex>
#include <utility>

#include "platform/win32/window_lookup.h"

namespace platform::win32 {
namespace {

struct ResourceTables {
    std::mutex mutex;
    std::map<ModuleHandle, std::pair<const ResourceEntry*, size_t>> modules;
};

ResourceTables& tables() {
    static auto* registry = new ResourceTables;
    return *registry;
}

}  // namespace

ResourceData findResource(ModuleHandle module, int id, const char* type) {
    if (type == nullptr) return {};
    if (module == nullptr) module = getModuleHandle(nullptr);
    std::lock_guard lock(tables().mutex);
    auto it = tables().modules.find(module);
    if (it == tables().modules.end()) return {};
    const auto [entries, count] = it->second;
    for (size_t i = 0; i < count; ++i) {
        if (entries[i].id == id && strcasecmp(entries[i].type, type) == 0) {
            return {entries[i].data, entries[i].size};
        }
    }
    return {};
}

ModuleHandle moduleOf(const void* addressInModule) {
    Dl_info info;
    if (addressInModule == nullptr || dladdr(addressInModule, &info) == 0) return nullptr;
    return info.dli_fbase;
}

void registerResources(ModuleHandle module, const ResourceEntry* entries, size_t count) {
    if (module == nullptr) return;
    std::lock_guard lock(tables().mutex);
    tables().modules[module] = {entries, count};
}

void unregisterResources(ModuleHandle module) {
    std::lock_guard lock(tables().mutex);
    tables().modules.erase(module);
}

}  // namespace platform::win32
