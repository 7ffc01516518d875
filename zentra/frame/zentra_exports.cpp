// The module's border: Linkage, ImportTable (defined with the core, see
// host_access.h) and ParseNow.
#include "host/gauge_header.h"
#include "zentra/frame/configuration_load.h"
#include "zentra/frame/display_registry.h"
#include "zentra/frame/gauges.h"
#include "zentra/frame/host_access.h"

namespace {

// All state is made and released by the gauge callbacks.
void moduleInit() {}
void moduleDeinit() {}

}  // namespace

GAUGE_EXPORT host::Linkage Linkage;
GAUGE_EXPORT int32_t ParseNow();
// For a host that takes pictures offline: returns once every display's
// render thread has finished the frame it was given.
GAUGE_EXPORT void WaitForRenders();

host::Linkage Linkage = {
    0x13,
    &moduleInit,
    &moduleDeinit,
    0,
    0,
    host::kLinkageVersion,
    {&zentra::mainGaugeHeader, &zentra::debugGaugeHeader, &zentra::pfdGaugeHeader,
     &zentra::ndGaugeHeader, &zentra::eicasGaugeHeader, nullptr},
};

// Reloads the configuration from the store path last used.
int32_t ParseNow() { return zentra::reloadConfiguration() ? 1 : 0; }

void WaitForRenders() { zentra::waitForRegisteredRenders(); }
