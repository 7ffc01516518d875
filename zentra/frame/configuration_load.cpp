#include "zentra/frame/configuration_load.h"

#include "zentra/config/config_store.h"
#include "zentra/frame/display_registry.h"

namespace zentra {

void runFirstConfigurationLoad() { runFirstStoreLoad(&loadSettingsIntoRegisteredDisplays); }

bool reloadConfiguration() {
    return loadConfigurationStore("", &loadSettingsIntoRegisteredDisplays);
}

}  // namespace zentra
