#pragma once
// Aircraft variables (read by id, units and index) and the units the host
// knows. Their values come from scenario channels in natural units.
#include <string>
#include <string_view>
#include <vector>

#include "simhost/token_table.h"

namespace simhost {

struct AircraftVarEntry {
    int id = 0;
    std::string name;  // as in "(A:NAME, units)" and get_aircraft_var_enum
    int index = 0;
    std::string channel;  // scenario channel
    std::string unit;     // natural unit of the channel (a units name)
    std::string meaning;
    Blend blend = Blend::Linear;
    double initial = 0.0;
};

const std::vector<AircraftVarEntry>& aircraftVarTable();
const AircraftVarEntry* findAircraftVar(int id, int index);
const AircraftVarEntry* findAircraftVarByName(std::string_view name, int index);
const AircraftVarEntry* findAircraftVarChannel(std::string_view channel);

// Units enum for a units name (case and plural ignored); -1 when unknown.
int unitsEnum(std::string_view name);

// A value in the units named `from` given in units enum `to`. Units of
// different kinds (or unknown ones) leave the value as it is.
double convertUnits(double value, std::string_view from, int to);

}  // namespace simhost
