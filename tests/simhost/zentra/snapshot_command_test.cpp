// simhost --snapshot: the snapshot values the zentra displays draw from, one
// CSV row per captured frame.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> lines(const fs::path& file) {
    std::ifstream in(file);
    std::vector<std::string> out;
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

std::vector<std::string> cells(const std::string& line) {
    std::vector<std::string> out;
    std::stringstream s(line);
    for (std::string cell; std::getline(s, cell, ',');) out.push_back(cell);
    return out;
}

std::string cell(const std::vector<std::string>& header, const std::string& row,
                 const std::string& name) {
    const std::vector<std::string> values = cells(row);
    for (size_t i = 0; i < header.size() && i < values.size(); ++i) {
        if (header[i] == name) return values[i];
    }
    return "<missing>";
}

TEST(SnapshotCommand, WritesTheSnapshotAtEachCapturedTime) {
    char dirTemplate[] = "/tmp/zentra_snapshot_XXXXXX";
    ASSERT_NE(mkdtemp(dirTemplate), nullptr);
    const fs::path dir = dirTemplate;
    std::ofstream(dir / "panel.ini")
        << "[Window00]\nsize=100,100\ngauge00=zentra!MainGauge, 0, 0\n";
    std::ofstream(dir / "flight.scn") << "duration 2\n"
                                         "0 set indicated_airspeed 100\n"
                                         "2 set indicated_airspeed 200\n"
                                         "0 set engine_count 2\n"
                                         "0 set engine2_n1 62.5\n"
                                         "0 text nav1_ident \"SEA\"\n";
    const std::string command = std::string(SIMHOST_EXE) + " --modules " GAUGE_MODULE_DIR +
                                " --panel " + (dir / "panel.ini").string() + " --scenario " +
                                (dir / "flight.scn").string() + " --out " + (dir / "out").string() +
                                " --at 1,2 --no-progress --snapshot " +
                                (dir / "snapshot.csv").string() + " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    const std::vector<std::string> file = lines(dir / "snapshot.csv");
    ASSERT_EQ(file.size(), 3u);  // header and the rows at 1 s and 2 s
    const std::vector<std::string> header = cells(file[0]);
    EXPECT_EQ(header[0], "time");
    EXPECT_EQ(header[1], "frame");
    EXPECT_EQ(cell(header, file[1], "time"), "1.000");
    EXPECT_EQ(cell(header, file[1], "frame"), "18");
    EXPECT_EQ(cell(header, file[1], "SimTime"), "1");
    EXPECT_EQ(cell(header, file[1], "IndicatedAirspeed"), "150");
    EXPECT_EQ(cell(header, file[2], "IndicatedAirspeed"), "200");
    EXPECT_EQ(cell(header, file[2], "N1(1)"), "62.5");
    EXPECT_EQ(cell(header, file[2], "CEPR(1)"), "1.4");
    EXPECT_EQ(cell(header, file[2], "NavIdent(1)"), "\"SEA\"");
    fs::remove_all(dir);
}

}  // namespace
