#pragma once
// `simhost store ...`: packing a configuration text into the scrambled store
// the zentra module loads, unpacking it again, and checking a configuration
// against what the displays read. Formats: docs/configuration-store.md.
#include <iosfwd>
#include <string>
#include <vector>

namespace simhost {

// A display loader: reads its section of a configuration file the way the
// module does when the store is loaded.
struct StoreCheckLoader {
    const char* name;
    void (*load)(const char* file);
};

// Every display loader that exists, in the module's registration order.
const std::vector<StoreCheckLoader>& storeCheckLoaders();

// argv after "store". Exit status: 0 done (check: nothing found), 1 check
// found something, 2 bad input (one line on err naming the file and problem;
// nothing half written).
int runStoreCommand(int argc, char** argv);
int runStoreCommand(int argc, char** argv, std::ostream& out, std::ostream& err);

// The check with the given loaders.
int runStoreCheck(const std::string& plainPath, const std::vector<StoreCheckLoader>& loaders,
                  std::ostream& out, std::ostream& err);

// The store lines of `simhost --help`.
std::string storeHelpText();

}  // namespace simhost
