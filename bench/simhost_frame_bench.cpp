// Host overhead of the frame loop with ten test gauges placed, and the peak
// memory of a 10 000-frame run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <string>

#include "simhost/frame_loop.h"
#include "simhost/panel_file.h"
#include "simhost/scenario.h"
#include "simhost/simulator.h"

namespace {

std::string tenGaugePanel() {
    std::string p = "[Window00]\nsize=800,600\n";
    for (int i = 0; i < 10; ++i) {
        p += "gauge0" + std::to_string(i) + "=fixture_gauges!Test Gauge, " +
             std::to_string(70 * i) + ", " + std::to_string(50 * (i % 2)) + "\n";
    }
    return p;
}

const char* kScenario =
    "duration 86400\n"
    "0 set indicated_airspeed 100\n"
    "86400 set indicated_airspeed 300\n"
    "0 set heading 0\n"
    "86400 set heading 359\n"
    "0 set vertical_speed 1000\n"
    "0 named \"Radar Target Distance\" 10\n"
    "86400 named \"Radar Target Distance\" 20\n";

struct Flight {
    simhost::Simulator sim{simhost::parsePanel(tenGaugePanel(), "bench.ini"),
                           simhost::parseScenario(kScenario, "bench.scn"),
                           simhost::RunSettings{GAUGE_MODULE_DIR, 18.0}};
    simhost::FrameLoop loop{sim};
    int64_t frame = 0;
    Flight() { loop.start(); }
    ~Flight() { loop.finish(); }
};

double maxRssMb() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss / 1024.0;
}

// Registered first, so the process peak is this run's.
void BM_TenThousandFramesPeakMemory(benchmark::State& state) {
    for (auto _ : state) {
        Flight f;
        for (int64_t i = 0; i < 10000; ++i) f.loop.step(f.frame++);
        benchmark::DoNotOptimize(f.sim.eventLog().events().size());
    }
    state.counters["max_rss_MB"] = maxRssMb();
}
BENCHMARK(BM_TenThousandFramesPeakMemory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FrameTenGauges(benchmark::State& state) {
    Flight f;
    for (auto _ : state) f.loop.step(f.frame++);
    state.counters["frames"] = static_cast<double>(f.frame);
}
BENCHMARK(BM_FrameTenGauges)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
