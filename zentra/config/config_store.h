#pragma once
// Loading the configuration store: unscramble it into a temporary plain file
// beside it ("F16.dll" for "F16.bin"), let every display read its section
// from that file, delete it. A failed load beeps (440 Hz, 300 ms) and leaves
// every display as it was. Module-wide state; gauge thread.
#include <cstddef>
#include <functional>

namespace zentra {

inline constexpr size_t kStorePathBufferSize = 1000;
inline constexpr const char* kStoreRelativeName = "Calvera\\F16";

// Hands the temporary plain file to every registered display, in order.
using DisplayLoader = std::function<void(const char* plainFile)>;

// Loads from storePath, or from the path last used when it is empty or null.
// True when the displays were loaded.
bool loadConfigurationStore(const char* storePath, const DisplayLoader& loadDisplays);

// Once in the module's life: the default store (current directory joined
// with "Calvera\F16.bin"). Later calls do nothing and return false. A failed
// first load is not retried here; a reload can.
bool runFirstStoreLoad(const DisplayLoader& loadDisplays);

// The store path last used ("" before any load).
const char* configurationStorePath();

// The default store path; false when the current directory is too long.
bool defaultStorePath(char* out, size_t size);

// Back to the state at module load (tests only).
void resetConfigurationStore();

}  // namespace zentra
