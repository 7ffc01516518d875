#pragma once
// Loading the configuration store into the registered displays.

namespace zentra {

// Once in the module's life, at the MainGauge's first pre-install.
void runFirstConfigurationLoad();
// Reload from the store path last used (ParseNow); true when the displays
// were loaded. A failed load beeps and leaves every display as it was.
bool reloadConfiguration();

}  // namespace zentra
