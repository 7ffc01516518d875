#pragma once
// Module resources (bitmaps, WAVE data) embedded at build time by
// embed_resources() (cmake/EmbedResources.cmake) and found by module, id and
// type, as the modules found their resources on Windows.
#include <cstddef>
#include <cstdint>

#include "platform/win32/handles.h"

namespace platform::win32 {

struct ResourceData {
    const uint8_t* data = nullptr;
    size_t size = 0;
    explicit operator bool() const { return data != nullptr; }
};

// Type names compare without regard to case ("BITMAP", "WAVE").
ResourceData findResource(ModuleHandle module, int id, const char* type);

// The module (load base) that holds an address: lets module code name itself.
ModuleHandle moduleOf(const void* addressInModule);

// One embedded resource; the bytes live in the module's own data.
struct ResourceEntry {
    int id;
    const char* type;
    const uint8_t* data;
    size_t size;
};

// Called by the generated source of each module at load and unload.
void registerResources(ModuleHandle module, const ResourceEntry* entries, size_t count);
void unregisterResources(ModuleHandle module);

}  // namespace platform::win32
