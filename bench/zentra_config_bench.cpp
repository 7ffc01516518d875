// A full configuration load: unscramble a 40 KB store, write and read back
// the temporary plain file, and read 600 keys through the typed readers.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/win32/beep.h"
#include "zentra/config/config_reader.h"
#include "zentra/config/config_store.h"
#include "zentra/config/named_values.h"
#include "zentra/config/store_codec.h"

namespace {

const char* const kSections[] = {"PFD", "ND", "EICAS", "Debug"};
constexpr int kKeysPerSection = 150;

std::string configurationText() {
    std::string text;
    for (const char* section : kSections) {
        text += std::string("[") + section + "]\n";
        for (int k = 0; k < kKeysPerSection; ++k) {
            const std::string key = "Key" + std::to_string(k);
            switch (k % 6) {
                case 0:
                    text += key + "=" + std::to_string(k * 3) + "\n";
                    break;
                case 1:
                    text += key + "=AMBER\n";
                    break;
                case 2:
                    text += key + "=100,200,300,400\n";
                    break;
                case 3:
                    text += key + "=12.5,40\n";
                    break;
                case 4:
                    text += key + "=DIAMOND\n";
                    break;
                default:
                    text += key + "=YES\n";
                    break;
            }
        }
    }
    // Comments fill the store to its size, as a documented configuration does.
    while (text.size() + 80 < zentra::kStoreMaxText) {
        text += "; " + std::string(76, '-') + "\n";
    }
    return text;
}

void readAllKeys(const char* file) {
    for (const char* section : kSections) {
        for (int k = 0; k < kKeysPerSection; ++k) {
            const std::string key = "Key" + std::to_string(k);
            switch (k % 6) {
                case 0:
                    benchmark::DoNotOptimize(zentra::readInt(file, section, key.c_str(), 0));
                    break;
                case 1:
                    benchmark::DoNotOptimize(
                        zentra::readColor(file, section, key.c_str(), "WHITE"));
                    break;
                case 2:
                    benchmark::DoNotOptimize(zentra::readBox(file, section, key.c_str(), ""));
                    break;
                case 3:
                    benchmark::DoNotOptimize(zentra::readPoint(file, section, key.c_str(), ""));
                    break;
                case 4:
                    benchmark::DoNotOptimize(zentra::readNamed(file, section, key.c_str(), 7,
                                                               zentra::kSymbolShapeNames, 0));
                    break;
                default:
                    benchmark::DoNotOptimize(zentra::readBool(file, section, key.c_str(), 0));
                    break;
            }
        }
    }
}

void BM_FullConfigurationLoad(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "cfgbench-XXXXXX").string();
    const std::string dir = mkdtemp(pattern.data());
    const std::string store = dir + "/F16.bin";
    const std::vector<uint8_t> bytes = zentra::packStore(configurationText());
    std::ofstream(store, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    for (auto _ : state) {
        if (!zentra::loadConfigurationStore(store.c_str(), &readAllKeys)) {
            state.SkipWithError("load failed");
            break;
        }
    }
    state.counters["store_bytes"] = static_cast<double>(bytes.size());
    state.counters["keys"] = 4 * kKeysPerSection;
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_FullConfigurationLoad)->Unit(benchmark::kMillisecond);

void BM_ReadersOnly(benchmark::State& state) {
    std::string pattern = (std::filesystem::temp_directory_path() / "cfgbench-XXXXXX").string();
    const std::string dir = mkdtemp(pattern.data());
    const std::string plain = dir + "/F16.ini";
    std::ofstream(plain, std::ios::binary) << configurationText();
    for (auto _ : state) readAllKeys(plain.c_str());
    std::filesystem::remove_all(dir);
}
BENCHMARK(BM_ReadersOnly)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
