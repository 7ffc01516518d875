#pragma once
// The simhost command line: options in a table, so that new options are one
// entry each. Help text is made from the same table.
#include <string>

#include "simhost/run_options.h"

namespace simhost {

enum class CommandAction { Run, Help, Channels };

struct CommandLine {
    CommandAction action = CommandAction::Run;
    RunOptions options;
};

// argv[0] is the program. Throws HostError for an unknown option, a missing
// or bad value.
CommandLine parseCommandLine(int argc, char** argv);

std::string helpText();

}  // namespace simhost
