// Damaged panel and scenario texts are refused with a HostError or read;
// nothing else (ASan and UBSan watch the reads).
#include <gtest/gtest.h>

#include <random>

#include "simhost/embedded_defaults.h"
#include "simhost/host_error.h"
#include "simhost/panel_file.h"
#include "simhost/scenario.h"

namespace simhost {
namespace {

std::string damage(std::string text, std::mt19937& rng) {
    const char pieces[] = "=,!\"#[];-.0123456789 \n\teE+xX";
    std::uniform_int_distribution<int> edits(1, 8);
    for (int n = edits(rng); n > 0 && !text.empty(); --n) {
        std::uniform_int_distribution<size_t> at(0, text.size() - 1);
        switch (rng() % 4) {
            case 0:
                text[at(rng)] = pieces[rng() % (sizeof pieces - 1)];
                break;
            case 1:
                text.erase(at(rng), 1 + rng() % 12);
                break;
            case 2:
                text.insert(at(rng), 1, pieces[rng() % (sizeof pieces - 1)]);
                break;
            case 3: {
                size_t a = at(rng), b = at(rng);
                text.insert(a, text.substr(b, 1 + rng() % 40));
                break;
            }
        }
    }
    return text;
}

TEST(ParserRobustness, DamagedTextsAreReadOrRefused) {
    std::mt19937 rng(20261211);
    int refused = 0, read = 0;
    for (int i = 0; i < 3000; ++i) {
        const bool panel = i % 2 == 0;
        const std::string text =
            damage(std::string(panel ? defaultPanelText() : defaultScenarioText()), rng);
        try {
            if (panel) {
                parsePanel(text, "p.ini");
            } else {
                parseScenario(text, "s.scn");
            }
            ++read;
        } catch (const HostError& e) {
            const std::string what = e.what();
            EXPECT_TRUE(what.rfind(panel ? "p.ini" : "s.scn", 0) == 0) << what;
            EXPECT_EQ(what.find('\n'), std::string::npos) << what;
            ++refused;
        }
    }
    EXPECT_GT(refused, 100);
    EXPECT_GT(read, 100);
}

}  // namespace
}  // namespace simhost
