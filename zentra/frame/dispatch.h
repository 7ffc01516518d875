#pragma once
// Routing of the five gauges' service calls: one display object per display
// gauge type, created at the type's first connect and destroyed at its last
// disconnect, and the MainGauge's module-wide data work.
#include <cstdint>

#include "host/gauge_header.h"

namespace zentra {

class DisplayBase;

enum class DisplayType { Debug = 0, Pfd = 1, Nd = 2, Eicas = 3 };
constexpr int kDisplayTypeCount = 4;

void mainGaugeCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);
void debugCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);
void pfdCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);
void ndCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);
void eicasCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t extra);

// The type's display object, or null.
DisplayBase* displayObject(DisplayType type);
int connectCount(DisplayType type);
int mainGaugeConnectCount();

// Makes the display object of a type at its first connect; null when it
// cannot. The built-in factory makes the display classes.
using DisplayFactory = DisplayBase* (*)(DisplayType type, host::GaugeHeader* gauge);
DisplayBase* createBuiltInDisplay(DisplayType type, host::GaugeHeader* gauge);
// Null restores the built-in factory (tests use their own).
void setDisplayFactory(DisplayFactory factory);

// The SimTime of the last flight-plan copy.
double lastFlightPlanCopyTime();

}  // namespace zentra
