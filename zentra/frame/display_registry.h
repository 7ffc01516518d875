#pragma once
// Every display object that exists, in the order of construction: the
// configuration load hands its file to each of them. Gauge thread only.

namespace zentra {

class DisplayBase;

constexpr int kDisplayRegistryCapacity = 33;

// False when the registry is full: that object is never configured.
bool registerDisplay(DisplayBase* display);
void unregisterDisplay(DisplayBase* display);

int registeredDisplayCount();
DisplayBase* registeredDisplay(int index);

// Has every registered display read its section of the configuration file.
void loadSettingsIntoRegisteredDisplays(const char* file);

// Returns once no registered display has a render in flight.
void waitForRegisteredRenders();

}  // namespace zentra
