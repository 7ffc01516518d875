#include "zentra/frame/configuration_load.h"

namespace zentra {

namespace {

bool gFirstLoadDone = false;

}  // namespace

// The configuration store is wired in here once it exists.
void runFirstConfigurationLoad() {
    if (gFirstLoadDone) return;
    gFirstLoadDone = true;
}

bool reloadConfiguration() { return false; }

}  // namespace zentra
