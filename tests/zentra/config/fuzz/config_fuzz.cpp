// libFuzzer target: the input is taken as a store and as a plain
// configuration; the store loader and every reader run over it.
#include <stdlib.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/win32/profile_reader.h"
#include "zentra/config/config_check.h"
#include "zentra/config/config_read_log.h"
#include "zentra/config/config_reader.h"
#include "zentra/config/config_store.h"
#include "zentra/config/named_values.h"
#include "zentra/config/store_codec.h"

namespace {

std::string folder() {
    static const std::string dir = [] {
        char pattern[] = "/tmp/cfgfuzz-XXXXXX";
        return std::string(mkdtemp(pattern));
    }();
    return dir;
}

void writeFile(const std::string& path, const uint8_t* data, size_t size) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) abort();
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
}

// Every reader over every key the text holds, in every section.
void readEverything(const char* file) {
    std::string text;
    if (FILE* f = std::fopen(file, "rb")) {
        char buf[4096];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
        std::fclose(f);
    }
    const platform::win32::ProfileText profile = platform::win32::parseProfileText(text);
    double values[4];
    int flag = 0;
    for (const auto& e : profile.entries) {
        const char* s = e.section.c_str();
        const char* k = e.key.c_str();
        zentra::readInt(file, s, k, 1);
        zentra::readFloat(file, s, k, 1);
        zentra::readDouble(file, s, k, 1);
        zentra::readBool(file, s, k, 1);
        zentra::readChar(file, s, k, 'x');
        zentra::readText(file, s, k, "d");
        zentra::readWideText(file, s, k, L"d");
        zentra::readColor(file, s, k, "RED", &flag);
        zentra::readColorValue(file, s, k, 5);
        zentra::readAlignment(file, s, k, 1);
        zentra::readNamed(file, s, k, 7, zentra::kSymbolShapeNames, 0);
        zentra::readNumberList(file, s, k, values, 4);
        zentra::readPoint(file, s, k, "1,2");
        zentra::readBox(file, s, k, "1,2,3,4");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string store = folder() + "/F16.bin";
    writeFile(store, data, size);
    platform::win32::forgetProfileCache();
    zentra::loadConfigurationStore(store.c_str(), &readEverything);

    // The same bytes as a plain configuration, checked the way the tool does.
    const std::string plain = folder() + "/plain.ini";
    writeFile(plain, data, size);
    platform::win32::forgetProfileCache();
    {
        zentra::ConfigReadLog log;
        readEverything(plain.c_str());
        zentra::checkConfiguration(std::string(reinterpret_cast<const char*>(data), size),
                                   log.reads());
    }

    // Packing and unscrambling give the text back.
    if (size <= zentra::kStoreMaxText) {
        std::vector<uint8_t> packed =
            zentra::packStore(std::string_view(reinterpret_cast<const char*>(data), size));
        if (!zentra::unscrambleStore(packed.data(), packed.size())) abort();
        if (std::string(packed.begin() + 1, packed.end() - 1) !=
            std::string(reinterpret_cast<const char*>(data), size)) {
            abort();
        }
    }
    return 0;
}
