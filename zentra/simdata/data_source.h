#pragma once
// Named engine and system values chosen by the configuration, and the name
// lists of the information fields. A name's position in its list is its
// index in the instrument tables.
#include <array>
#include <string_view>

namespace zentra {

enum class UnitSystem { US = 0, Metric = 1 };

// A named value with a getter per unit system. Engine sources take an engine
// index 0-3; system sources ignore it.
struct DataSource {
    const char* name;
    bool perEngine;
    double (*us)(int engine);
    double (*metric)(int engine);
};

constexpr int kEngineSourceCount = 14;
constexpr int kSystemSourceCount = 9;

const std::array<DataSource, kEngineSourceCount>& engineDataSources();
const std::array<DataSource, kSystemSourceCount>& systemDataSources();

// The source's value in the given unit system.
double dataSourceValue(const DataSource& source, UnitSystem units, int engine);

// Engine source by name, then system source by name; null when unknown.
const DataSource* findDataSource(std::string_view name);

inline constexpr std::array<const char*, 5> kEicasInfoTextNames = {"TotalFuel", "SAT", "TAT",
                                                                   "Gear", "Spoiler"};

inline constexpr std::array<const char*, 25> kPfdInfoFieldNames = {"AP",
                                                                   "FD",
                                                                   "ATHR",
                                                                   "YawDamper",
                                                                   "APSpeed",
                                                                   "APAltitude",
                                                                   "APHeading",
                                                                   "Mach",
                                                                   "GS",
                                                                   "TAS",
                                                                   "DH",
                                                                   "Baro",
                                                                   "VS",
                                                                   "VOR1Id",
                                                                   "VOR1Bearing",
                                                                   "VOR1Distance",
                                                                   "VOR2Id",
                                                                   "VOR2Bearing",
                                                                   "VOR2Distance",
                                                                   "ADFId",
                                                                   "ADFBearing",
                                                                   "WaypointId",
                                                                   "WaypointBearing",
                                                                   "WaypointDistance",
                                                                   "Course"};

inline constexpr std::array<const char*, 18> kNdInfoFieldNames = {"GS",
                                                                  "TAS",
                                                                  "TAT",
                                                                  "SAT",
                                                                  "Clock",
                                                                  "VOR1Id",
                                                                  "VOR1Bearing",
                                                                  "VOR1Distance",
                                                                  "VOR2Id",
                                                                  "VOR2Bearing",
                                                                  "VOR2Distance",
                                                                  "ADFId",
                                                                  "ADFBearing",
                                                                  "WaypointId",
                                                                  "WaypointBearing",
                                                                  "WaypointDistance",
                                                                  "WaypointETA",
                                                                  "Course"};

}  // namespace zentra
