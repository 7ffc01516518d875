// simhost: the host stand-in. Usage in docs/simhost.md and `simhost --help`.
#include <exception>
#include <iostream>
#include <string>

#include "simhost/channel_list.h"
#include "simhost/cli.h"
#include "simhost/host_error.h"
#include "simhost/run.h"
#include "simhost/store_command.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "store") return simhost::runStoreCommand(argc - 2, argv + 2);
    try {
        const simhost::CommandLine cl = simhost::parseCommandLine(argc, argv);
        switch (cl.action) {
            case simhost::CommandAction::Help:
                std::cout << simhost::helpText();
                return 0;
            case simhost::CommandAction::Channels:
                std::cout << simhost::channelListText();
                return 0;
            case simhost::CommandAction::Run:
                return simhost::runSimhost(cl.options, std::cout);
        }
    } catch (const simhost::HostError& e) {
        std::cerr << e.what() << "\n";
        return 2;
    } catch (const std::exception& e) {
        std::cerr << "simhost: " << e.what() << "\n";
        return 2;
    }
    return 0;
}
