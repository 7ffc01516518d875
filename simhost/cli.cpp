#include "simhost/cli.h"

#include "simhost/store_command.h"

#include <functional>
#include <vector>

#include "simhost/host_error.h"
#include "simhost/text_words.h"

namespace simhost {
namespace {

struct OptionSpec {
    const char* name;
    const char* value;  // null: a switch without a value
    const char* help;
    std::function<void(RunOptions&, const std::string&)> apply;
};

[[noreturn]] void bad(const std::string& option, const std::string& problem) {
    throw HostError("simhost: " + option + ": " + problem);
}

double positiveNumber(const std::string& option, const std::string& v) {
    auto n = parseNumber(v);
    if (!n || *n <= 0.0) bad(option, "expected a number above 0, got \"" + v + "\"");
    return *n;
}

const std::vector<OptionSpec>& options() {
    static const std::vector<OptionSpec> specs = {
        {"--panel", "FILE", "panel file (default: the built-in default panel)",
         [](RunOptions& o, const std::string& v) { o.panelFile = v; }},
        {"--scenario", "FILE", "scenario file (default: the built-in default scenario)",
         [](RunOptions& o, const std::string& v) { o.scenarioFile = v; }},
        {"--out", "DIR", "folder for pictures and logs (default: out)",
         [](RunOptions& o, const std::string& v) { o.outDir = v; }},
        {"--at", "T1,T2,...",
         "write the window pictures at these simulation times, in seconds "
         "(default, without --every: at the end of the run)",
         [](RunOptions& o, const std::string& v) {
             o.atTimes.clear();
             size_t start = 0;
             while (true) {
                 const size_t comma = v.find(',', start);
                 const std::string part = v.substr(start, comma - start);
                 auto t = parseNumber(part);
                 if (!t || *t < 0.0) bad("--at", "bad time \"" + part + "\"");
                 o.atTimes.push_back(*t);
                 if (comma == std::string::npos) break;
                 start = comma + 1;
             }
         }},
        {"--every", "N", "write the window pictures every N frames",
         [](RunOptions& o, const std::string& v) {
             auto n = parseInteger(v);
             if (!n || *n < 1) bad("--every", "expected a whole number of frames, got \"" + v + "\"");
             o.every = *n;
         }},
        {"--events", "FILE", "event log, CSV (default: DIR/events.csv)",
         [](RunOptions& o, const std::string& v) { o.eventsFile = v; }},
        {"--modules", "DIR", "folder of the gauge modules (default: modules beside simhost)",
         [](RunOptions& o, const std::string& v) { o.modulesDir = v; }},
        {"--data", "DIR",
         "folder the simulator runs in, where the modules find their files "
         "(default: simhost's own folder)",
         [](RunOptions& o, const std::string& v) { o.dataDir = v; }},
        {"--rate", "N", "frames per simulated second (default: 18)",
         [](RunOptions& o, const std::string& v) {
             o.rate = positiveNumber("--rate", v);
             if (o.rate > 1000.0) bad("--rate", "at most 1000 frames per second");
         }},
        {"--record-draw", "FILE",
         "write every drawing call of the vector displays to FILE as JSON lines "
         "(docs/draw-recording.md)",
         [](RunOptions& o, const std::string& v) { o.recordDrawFile = v; }},
        {"--snapshot", "FILE",
         "write every zentra snapshot value by its getter name at each captured frame to FILE "
         "as CSV",
         [](RunOptions& o, const std::string& v) { o.snapshotFile = v; }},
        {"--no-progress", nullptr, "never show the progress bar",
         [](RunOptions& o, const std::string&) { o.progress = false; }},
    };
    return specs;
}

}  // namespace

CommandLine parseCommandLine(int argc, char** argv) {
    CommandLine cl;
    int i = 1;
    if (argc > 1 && std::string(argv[1]) == "channels") {
        cl.action = CommandAction::Channels;
        if (argc > 2) throw HostError("simhost: channels takes no arguments");
        return cl;
    }
    for (; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            cl.action = CommandAction::Help;
            return cl;
        }
        std::string value;
        bool inlineValue = false;
        if (const size_t eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
            inlineValue = true;
        }
        const OptionSpec* option = nullptr;
        for (const OptionSpec& s : options()) {
            if (arg == s.name) option = &s;
        }
        if (!option) {
            throw HostError("simhost: unknown " + std::string(arg.rfind("-", 0) == 0 ? "option " : "argument ") +
                            "\"" + arg + "\" (simhost --help lists the options)");
        }
        if (option->value && !inlineValue) {
            if (i + 1 >= argc) bad(arg, std::string("needs a value (") + option->value + ")");
            value = argv[++i];
        } else if (!option->value && inlineValue) {
            bad(arg, "takes no value");
        }
        option->apply(cl.options, value);
    }
    return cl;
}

std::string helpText() {
    std::string out =
        "usage: simhost [OPTIONS]\n"
        "       simhost channels\n"
        "       simhost store pack|unpack|check FILES\n"
        "\n"
        "Loads the gauge modules a panel names, flies a scenario and writes one PNG\n"
        "per shown window at the chosen times, and the event log. Without options it\n"
        "runs the default panel and scenario into out/.\n"
        "\n"
        "options:\n";
    for (const OptionSpec& s : options()) {
        std::string head = std::string("  ") + s.name + (s.value ? std::string(" ") + s.value : "");
        if (head.size() < 24) head.resize(24, ' ');
        else head += "\n" + std::string(24, ' ');
        out += head + s.help + "\n";
    }
    out += "  --help                print this text\n"
           "\n"
           "commands:\n"
           "  channels              list the scenario channels, their units and tokens\n"
           + storeHelpText() +
           "\n"
           "Exit status: 0 done; 2 bad input (one line on stderr names the file, line and\n"
           "problem; nothing is half written). Formats: docs/simhost.md, docs/panel.md,\n"
           "docs/scenario.md.\n";
    return out;
}

}  // namespace simhost
