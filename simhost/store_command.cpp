#include "simhost/store_command.h"

#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "zentra/config/config_check.h"
#include "zentra/config/config_read_log.h"
#include "zentra/config/store_codec.h"
#include "zentra/frame/debug_display.h"
#include "zentra/pfd/pfd_display.h"

namespace simhost {
namespace {

// A display object made only to read its section, as a store load would.
template <typename Display>
void loadDisplay(const char* file) {
    Display display(nullptr);
    display.loadSettings(file);
}

bool readFile(const std::string& path, std::string& bytes, std::string& why) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        why = errno != 0 ? std::strerror(errno) : "cannot open";
        return false;
    }
    std::ostringstream buf;
    buf << in.rdbuf();
    if (in.bad()) {
        why = "read failed";
        return false;
    }
    bytes = buf.str();
    return true;
}

// Writes beside the target and renames: the target is either the old file
// or the complete new one.
bool writeFileWhole(const std::string& path, const std::string& bytes, std::string& why) {
    std::string temp = path + ".tmp-XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            why = n < 0 ? std::strerror(errno) : "short write";
            ::close(fd);
            ::unlink(temp.c_str());
            return false;
        }
        done += static_cast<size_t>(n);
    }
    // mkstemp makes the file private; a store or text is an ordinary file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0 || std::rename(temp.c_str(), path.c_str()) != 0) {
        why = std::strerror(errno);
        ::unlink(temp.c_str());
        return false;
    }
    return true;
}

int badInput(std::ostream& err, const std::string& file, const std::string& problem) {
    err << "simhost store: " << file << ": " << problem << "\n";
    return 2;
}

int pack(const std::string& plainPath, const std::string& storePath, std::ostream& out,
         std::ostream& err) {
    std::string text, why;
    if (!readFile(plainPath, text, why)) return badInput(err, plainPath, "cannot read: " + why);
    if (text.size() > zentra::kStoreMaxText) {
        return badInput(err, plainPath,
                        std::to_string(text.size()) + " bytes of text; a store holds at most " +
                            std::to_string(zentra::kStoreMaxText));
    }
    if (const size_t zero = text.find('\0'); zero != std::string::npos) {
        return badInput(
            err, plainPath,
            "zero byte at offset " + std::to_string(zero) + "; not a configuration text");
    }
    const std::vector<uint8_t> store = zentra::packStore(text);
    if (!writeFileWhole(storePath, std::string(store.begin(), store.end()), why)) {
        return badInput(err, storePath, "cannot write: " + why);
    }
    out << "packed " << plainPath << " (" << text.size() << " bytes) into " << storePath << " ("
        << store.size() << " bytes)\n";
    return 0;
}

int unpack(const std::string& storePath, const std::string& plainPath, std::ostream& out,
           std::ostream& err) {
    std::string bytes, why;
    if (!readFile(storePath, bytes, why)) return badInput(err, storePath, "cannot read: " + why);
    if (bytes.size() < 2) {
        return badInput(err, storePath,
                        std::to_string(bytes.size()) + " bytes; a store has at least 2");
    }
    const size_t total = bytes.size();
    if (total > zentra::kStoreMaxBytes)
        bytes.resize(zentra::kStoreMaxBytes);  // as the module reads
    std::vector<uint8_t> store(bytes.begin(), bytes.end());
    if (!zentra::unscrambleStore(store.data(), store.size())) {
        return badInput(err, storePath,
                        total > zentra::kStoreMaxBytes
                            ? "check byte at offset 40959 does not match; the module reads only "
                              "the first 40960 bytes"
                            : "check byte does not match: damaged, or not a store of this module");
    }
    if (total > zentra::kStoreMaxBytes) {
        err << "simhost store: " << storePath << ": only the first " << zentra::kStoreMaxBytes
            << " of " << total << " bytes are read, as the module does\n";
    }
    const std::string text(store.begin() + 1, store.end() - 1);
    if (!writeFileWhole(plainPath, text, why))
        return badInput(err, plainPath, "cannot write: " + why);
    out << "unpacked " << storePath << " into " << plainPath << " (" << text.size() << " bytes)\n";
    return 0;
}

const char* const kUsage =
    "usage: simhost store pack PLAIN STORE\n"
    "       simhost store unpack STORE PLAIN\n"
    "       simhost store check PLAIN\n";

}  // namespace

const std::vector<StoreCheckLoader>& storeCheckLoaders() {
    // One line per display type, in the order the module registers them.
    static const std::vector<StoreCheckLoader> loaders = {
        {"Debug", &loadDisplay<zentra::DebugDisplay>},
        {"PFD", &loadDisplay<zentra::PfdDisplay>},
    };
    return loaders;
}

int runStoreCheck(const std::string& plainPath, const std::vector<StoreCheckLoader>& loaders,
                  std::ostream& out, std::ostream& err) {
    std::string text, why;
    if (!readFile(plainPath, text, why)) return badInput(err, plainPath, "cannot read: " + why);
    std::vector<zentra::ConfigRead> reads;
    {
        zentra::ConfigReadLog log;
        for (const StoreCheckLoader& loader : loaders) loader.load(plainPath.c_str());
        for (const zentra::ConfigRead& read : log.reads()) {
            if (read.file == plainPath) reads.push_back(read);
        }
    }
    const std::vector<zentra::ConfigFinding> findings = zentra::checkConfiguration(text, reads);
    size_t count = findings.size();
    if (text.size() > zentra::kStoreMaxText) {
        out << plainPath << ": " << text.size() << " bytes of text; a store holds at most "
            << zentra::kStoreMaxText << "\n";
        ++count;
    }
    for (const zentra::ConfigFinding& f : findings) {
        out << plainPath << ":" << zentra::formatFinding(f) << "\n";
    }
    out << plainPath << ": " << count << (count == 1 ? " finding" : " findings") << "; "
        << reads.size() << " reads by " << loaders.size()
        << (loaders.size() == 1 ? " display loader" : " display loaders") << "\n";
    return count == 0 ? 0 : 1;
}

int runStoreCommand(int argc, char** argv, std::ostream& out, std::ostream& err) {
    const std::string sub = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    if (sub == "--help" || sub == "-h") {
        out << kUsage << "\n" << storeHelpText();
        return 0;
    }
    const bool twoFiles = sub == "pack" || sub == "unpack";
    if (!twoFiles && sub != "check") {
        err << "simhost store: "
            << (sub.empty() ? "needs a command" : "unknown command \"" + sub + "\"")
            << " (pack, unpack or check; simhost store --help)\n";
        return 2;
    }
    const int wanted = twoFiles ? 3 : 2;
    if (argc != wanted) {
        err << "simhost store " << sub << ": takes " << (wanted - 1)
            << (wanted == 2 ? " file" : " files") << " (simhost store --help)\n";
        return 2;
    }
    if (sub == "pack") return pack(argv[1], argv[2], out, err);
    if (sub == "unpack") return unpack(argv[1], argv[2], out, err);
    return runStoreCheck(argv[1], storeCheckLoaders(), out, err);
}

int runStoreCommand(int argc, char** argv) {
    return runStoreCommand(argc, argv, std::cout, std::cerr);
}

std::string storeHelpText() {
    return "  store pack PLAIN STORE    scramble a configuration text into a store\n"
           "  store unpack STORE PLAIN  the configuration text of a store\n"
           "  store check PLAIN         list keys no display reads and values read as\n"
           "                            defaults (exit 1 when it finds any)\n";
}

}  // namespace simhost
