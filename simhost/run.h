#pragma once
// One simhost run: read the panel and scenario, load the modules, fly the
// frames, write the pictures and the event log.
#include <iosfwd>

#include "simhost/run_options.h"

namespace simhost {

// Returns the exit status (0); throws HostError on bad input or output.
int runSimhost(const RunOptions& options, std::ostream& report);

// The folder simhost's executable is in.
std::string executableDir();

}  // namespace simhost
