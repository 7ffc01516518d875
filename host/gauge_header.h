#pragma once
// Gauge header and module exports.
#include <cstdint>

#include "host/elements.h"
#include "host/mouse.h"

// Marks the few symbols a module exports (Linkage, ImportTable, ParseNow).
#define GAUGE_EXPORT extern "C" __attribute__((visibility("default")))

namespace host {

constexpr uint32_t kGaugeHeaderVersion = 0x320;
constexpr uint32_t kLinkageVersion = 0x900;
constexpr int kMaxGaugesPerModule = 32;

struct GaugeHeader;
using GaugeRoutine = void (*)(GaugeHeader* gauge);
using GaugeCallback = void (*)(GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);

struct GaugeHeader {
    uint32_t version = kGaugeHeaderVersion;
    const char* name = nullptr;
    ElementHeader* const* elementList = nullptr;  // null-terminated
    GaugeRoutine query = nullptr;
    GaugeRoutine install = nullptr;
    GaugeRoutine initialize = nullptr;
    GaugeRoutine update = nullptr;
    GaugeRoutine generate = nullptr;
    GaugeRoutine draw = nullptr;
    GaugeRoutine kill = nullptr;
    uint32_t widthMm = 0;
    const MouseRect* mouseRects = nullptr;  // ends with MouseRectType::End
    GaugeCallback callback = nullptr;
    // Host side: the instance this header copy belongs to, and its size in pixels.
    void* hostInstance = nullptr;
    int32_t sizeX = 0;
    int32_t sizeY = 0;
    void* userData = nullptr;
};

struct Linkage {
    int32_t moduleId = 0;
    void (*moduleInit)() = nullptr;
    void (*moduleDeinit)() = nullptr;
    uint32_t flags = 0;
    uint32_t status = 0;
    uint32_t version = kLinkageVersion;
    GaugeHeader* gauges[kMaxGaugesPerModule + 1] = {};  // null-terminated
};

struct PanelsTable;

constexpr uint32_t kImportPanelsKey = 0xF;

struct ImportEntry {
    uint32_t key = 0;
    PanelsTable* table = nullptr;
};

struct ImportTable {
    ImportEntry panels{kImportPanelsKey, nullptr};  // host fills table
    ImportEntry end{};
};

}  // namespace host
