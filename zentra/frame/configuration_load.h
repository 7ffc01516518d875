#pragma once
// Loading the configuration store into the registered displays.

namespace zentra {

// Once in the module's life, at the MainGauge's first pre-install.
void runFirstConfigurationLoad();
// Reload from the store path last used (ParseNow); true when it loaded.
bool reloadConfiguration();

}  // namespace zentra
