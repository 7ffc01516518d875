// Cost of the MainGauge's per-frame data work: one sampleFrame (every value
// through the host's function table) and one copy of a 500-waypoint plan.
#include <benchmark/benchmark.h>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

#include "host/panels.h"
#include "zentra/frame/host_access.h"
#include "zentra/simdata/flight_plan_table.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_getters.h"

namespace {

// A host whose variables sit in a flat table, so the figures are the module's.
std::array<host::VarValue, 1024> gVars{};
int gLookups = 0;

void lookupVar(host::ModuleVar* var) {
    ++gLookups;
    var->value = var->id >= 0 && var->id < 1024 ? gVars[var->id] : host::VarValue{};
}
int32_t unitsEnum(const char*) { return 1; }
double aircraftVarget(int32_t, int32_t, int32_t) { return 1.0; }
int32_t calculator(const char*, double*, int32_t* i, const char**) {
    *i = 4;
    return 1;
}

void installHost(host::PanelsTable& table) {
    table.lookupVar = &lookupVar;
    table.getUnitsEnum = &unitsEnum;
    table.aircraftVarget = &aircraftVarget;
    table.executeCalculatorCode = &calculator;
    ImportTable.panels.table = &table;
    for (int t = 0; t < 1024; ++t) gVars[t].n = 1.0 + t * 0.5;
    for (int t : {24, 27, 16, 18}) {
        gVars[t].raw = 0;
        gVars[t].d = 0x1080;
    }
    static const char kIdent[] = "ABC";
    for (int t : {47, 56, 19, 839}) gVars[t].s = kIdent;
}

void BM_SampleFrame(benchmark::State& state) {
    host::PanelsTable table;
    installHost(table);
    gLookups = 0;
    for (auto _ : state) {
        zentra::sampleFrame();
        benchmark::DoNotOptimize(zentra::IndicatedAirspeed());
    }
    state.counters["lookups/frame"] =
        static_cast<double>(gLookups) / static_cast<double>(state.iterations());
    ImportTable.panels.table = nullptr;
}
BENCHMARK(BM_SampleFrame);

void BM_FlightPlanCopy500(benchmark::State& state) {
    std::vector<uint8_t> records(500 * zentra::gps::kRecordSize, 0);
    for (size_t i = 0; i < 500; ++i) {
        uint8_t* r = records.data() + i * zentra::gps::kRecordSize;
        const uint32_t size = zentra::gps::kRecordSize;
        const int64_t lat = static_cast<int64_t>(i) << 32, lon = static_cast<int64_t>(i) << 48;
        std::memcpy(r, &size, sizeof size);
        std::memcpy(r + zentra::gps::kRecordLatitudeOffset, &lat, sizeof lat);
        std::memcpy(r + zentra::gps::kRecordLongitudeOffset, &lon, sizeof lon);
        std::memcpy(r + zentra::gps::kRecordIdentOffset, "WPT12345", 8);
    }
    std::vector<uint8_t> block(256, 0);
    const uint32_t blockSize = 256;
    const int32_t count = 500;
    const uint8_t* array = records.data();
    std::memcpy(block.data(), &blockSize, sizeof blockSize);
    std::memcpy(block.data() + zentra::gps::kCountOffset, &count, sizeof count);
    std::memcpy(block.data() + zentra::gps::kArrayOffset, &array, sizeof array);
    auto table = std::make_unique<zentra::FlightPlanTable>();
    for (auto _ : state) {
        zentra::copyFlightPlanFrom(block.data(), *table);
        benchmark::DoNotOptimize(table->count);
    }
}
BENCHMARK(BM_FlightPlanCopy500);

}  // namespace

BENCHMARK_MAIN();
