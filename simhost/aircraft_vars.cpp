#include "simhost/aircraft_vars.h"

#include <algorithm>
#include <cctype>

namespace simhost {
namespace {

struct UnitInfo {
    int id;
    const char* names[3];
    const char* kind;
    double toBase;  // value in this unit x toBase = value in the kind's base unit
};

// Base units: knot, degree, foot, percent; the rest stand alone.
const UnitInfo kUnits[] = {
    {1, {"knot", "knots", "kt"}, "speed", 1.0},
    {2, {"percent", "percentage", nullptr}, "fraction", 1.0},
    {3, {"degree", "degrees", nullptr}, "angle", 1.0},
    {4, {"number", "numbers", nullptr}, "number", 1.0},
    {5, {"pound", "pounds", "lbs"}, "mass", 1.0},
    {6, {"enum", nullptr, nullptr}, "enum", 1.0},
    {7, {"foot", "feet", "ft"}, "length", 1.0},
    {8, {"radian", "radians", nullptr}, "angle", 57.29577951308232},
    {9, {"meter", "meters", "metres"}, "length", 3.28083989501312},
    {10, {"feet per minute", "ft/min", nullptr}, "vspeed", 1.0},
    {11, {"bool", "boolean", nullptr}, "number", 1.0},
    {12, {"percent over 100", nullptr, nullptr}, "fraction", 100.0},
    {13, {"meters per second", "m/s", nullptr}, "speed", 1.9438444924406},
    {14, {"kilogram", "kilograms", "kg"}, "mass", 2.2046226218488},
};

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

const UnitInfo* unitByName(std::string_view name) {
    const std::string l = lower(name);
    for (const UnitInfo& u : kUnits) {
        for (const char* n : u.names) {
            if (n && l == n) return &u;
        }
    }
    return nullptr;
}

const UnitInfo* unitById(int id) {
    for (const UnitInfo& u : kUnits) {
        if (u.id == id) return &u;
    }
    return nullptr;
}

std::vector<AircraftVarEntry> buildTable() {
    auto entry = [](int id, const char* name, int index, const char* channel, const char* unit,
                    const char* meaning, Blend blend = Blend::Linear) {
        AircraftVarEntry e;
        e.id = id;
        e.name = name;
        e.index = index;
        e.channel = channel;
        e.unit = unit;
        e.meaning = meaning;
        e.blend = blend;
        return e;
    };
    return {
        entry(0x18, "AIRSPEED TRUE", 0, "true_airspeed", "knot", "true airspeed"),
        entry(0x64, "TRAILING EDGE FLAPS ANGLE", 0, "flap_angle", "degree", "flap angle"),
        entry(0x66, "LEADING EDGE FLAPS ANGLE", 0, "slat_angle", "degree", "slat angle"),
        entry(0xac, "EXIT OPEN", 1, "door_b", "number", "door B open (non-zero)", Blend::Step),
        entry(0x200, "YOKE X POSITION", 0, "stick_x", "percent",
              "stick roll position, -100 left to 100 right"),
        entry(0x201, "YOKE Y POSITION", 0, "stick_y", "percent",
              "stick pitch position, -100 forward to 100 back"),
        entry(0x202, "GENERAL ENG1 THROTTLE LEVER POSITION", 0, "throttle", "percent",
              "engine 1 throttle lever, 0 to 100"),
    };
}

}  // namespace

const std::vector<AircraftVarEntry>& aircraftVarTable() {
    static const std::vector<AircraftVarEntry> table = buildTable();
    return table;
}

const AircraftVarEntry* findAircraftVar(int id, int index) {
    for (const AircraftVarEntry& e : aircraftVarTable()) {
        if (e.id == id && e.index == index) return &e;
    }
    return nullptr;
}

const AircraftVarEntry* findAircraftVarByName(std::string_view name, int index) {
    const std::string l = lower(name);
    for (const AircraftVarEntry& e : aircraftVarTable()) {
        if (lower(e.name) == l && e.index == index) return &e;
    }
    return nullptr;
}

const AircraftVarEntry* findAircraftVarChannel(std::string_view channel) {
    for (const AircraftVarEntry& e : aircraftVarTable()) {
        if (e.channel == channel) return &e;
    }
    return nullptr;
}

int unitsEnum(std::string_view name) {
    const UnitInfo* u = unitByName(name);
    return u ? u->id : -1;
}

double convertUnits(double value, std::string_view from, int to) {
    const UnitInfo* a = unitByName(from);
    const UnitInfo* b = unitById(to);
    if (!a || !b || std::string_view(a->kind) != b->kind) return value;
    return value * a->toBase / b->toBase;
}

}  // namespace simhost
