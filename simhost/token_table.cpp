#include "simhost/token_table.h"

#include <cmath>
#include <unordered_map>

namespace simhost {
namespace {

using host::VarType;

TokenEntry scale(std::string channel, int token, std::string meaning, std::string unit,
                 double factor = 1.0, Blend blend = Blend::Linear, double initial = 0.0) {
    TokenEntry e;
    e.channel = std::move(channel);
    e.token = token;
    e.meaning = std::move(meaning);
    e.unit = std::move(unit);
    e.factor = factor;
    e.blend = blend;
    e.initial = initial;
    return e;
}

TokenEntry flag(std::string channel, int token, std::string meaning, double initial = 0.0) {
    return scale(std::move(channel), token, std::move(meaning), "number", 1.0, Blend::Step,
                 initial);
}

TokenEntry angle(std::string channel, int token, std::string meaning, double factor = 1.0) {
    return scale(std::move(channel), token, std::move(meaning), "degrees", factor, Blend::Angle);
}

TokenEntry special(std::string channel, int token, std::string meaning, std::string unit,
                   Encoding encoding, VarType type, Blend blend, double initial = 0.0) {
    TokenEntry e =
        scale(std::move(channel), token, std::move(meaning), std::move(unit), 1.0, blend, initial);
    e.encoding = encoding;
    e.type = type;
    return e;
}

TokenEntry text(std::string channel, int token, std::string meaning) {
    return special(std::move(channel), token, std::move(meaning), "text", Encoding::Text,
                   VarType::Text, Blend::Step);
}

constexpr double kFeetPerMetre = 3.2808;

std::vector<TokenEntry> buildTable() {
    std::vector<TokenEntry> t;
    // Time, state, air data.
    t.push_back(flag("on_ground", 60, "aircraft on the ground (non-zero)", 1.0));
    t.push_back(flag("engine_count", 267, "number of engines", 1.0));
    t.push_back(scale("indicated_airspeed", 61, "indicated airspeed", "kt"));
    t.push_back(scale("maximum_speed", 63, "maximum operating speed", "kt", 0.0078125));
    t.push_back(scale("mach", 64, "Mach number", "Mach", 4.8828125e-05));
    t.push_back(scale("vertical_speed", 65, "vertical speed", "ft/min", 0.768946875));
    t.push_back(scale("indicated_altitude", 74, "indicated altitude", "ft"));
    t.push_back(
        scale("height_above_ground", 614, "height above the ground below", "ft", kFeetPerMetre));
    t.push_back(scale("ground_elevation", 2, "elevation of the ground below", "ft", 0.012815625));
    t.push_back(scale("baro_mb", 75, "altimeter setting", "hPa", 1.0, Blend::Linear, 1013.25));
    t.push_back(scale("baro_inhg", 76, "altimeter setting", "inHg", 1.0, Blend::Linear, 29.92));
    t.push_back(scale("static_air_temperature", 800, "static air temperature", "degC"));
    t.push_back(scale("total_air_temperature", 350, "total air temperature", "degC", 256.0));
    t.push_back(scale("wind_speed", 343, "wind speed", "kt"));
    t.push_back(angle("wind_direction", 344, "wind direction (true, from)"));
    t.push_back(angle("magnetic_variation", 82, "magnetic variation (east positive)"));
    // Attitude, heading, motion.
    t.push_back(scale("pitch", 78, "pitch angle", "degrees"));
    t.push_back(scale("bank", 80,
                      "bank angle, right wing down positive (the host's field is "
                      "left positive)",
                      "degrees", -1.0));
    t.push_back(angle("heading", 81, "magnetic heading"));
    t.push_back(angle("true_heading", 86, "true heading"));
    t.push_back(
        scale("slip_ball", 69, "slip ball deflection, -1 to 1", "ratio", 0.007874015748031496));
    t.push_back(scale("ground_speed", 551, "ground speed along the track", "kt", 0.5926355));
    t.push_back(scale("lateral_speed", 552, "ground speed across the track", "kt", 0.5926355));
    t.push_back(scale("gps_ground_speed", 832, "GPS ground speed", "kt", 1.9443185484));
    t.push_back(
        scale("latitude", 71, "aircraft latitude", "degrees", 360.0 * 2.4995625765491038e-08));
    t.push_back(
        scale("longitude", 72, "aircraft longitude", "degrees", 360.0 * 3.552713678800501e-15));
    t.push_back(scale("altitude", 73, "aircraft true altitude", "ft", kFeetPerMetre));
    // Radio navigation.
    t.push_back(special("com1_frequency", 23, "COM 1 frequency", "MHz", Encoding::Bcd,
                        VarType::Integer, Blend::Step, 118.0));
    t.push_back(special("com2_frequency", 870, "COM 2 frequency", "MHz", Encoding::Bcd,
                        VarType::Integer, Blend::Step, 118.0));
    t.push_back(special("nav1_frequency", 24, "NAV 1 frequency", "MHz", Encoding::Bcd,
                        VarType::Integer, Blend::Step, 108.0));
    t.push_back(special("nav2_frequency", 27, "NAV 2 frequency", "MHz", Encoding::Bcd,
                        VarType::Integer, Blend::Step, 108.0));
    t.push_back(special("adf_frequency", 16, "ADF frequency (hundreds, tens, units)", "kHz",
                        Encoding::AdfLow, VarType::Integer, Blend::Step, 200.0));
    t.push_back(special("adf_frequency", 18, "ADF frequency (thousands, tenths)", "kHz",
                        Encoding::AdfHigh, VarType::Integer, Blend::Step, 200.0));
    t.push_back(text("nav1_ident", 47, "NAV 1 station ident"));
    t.push_back(text("nav2_ident", 56, "NAV 2 station ident"));
    t.push_back(text("adf_ident", 19, "ADF station ident"));
    t.push_back(text("waypoint_id", 839, "GPS next waypoint ident"));
    t.push_back(scale("nav1_course", 45, "NAV 1 selected course", "degrees", 1.0, Blend::Angle));
    t.push_back(scale("nav2_course", 54, "NAV 2 selected course", "degrees", 1.0, Blend::Angle));
    t.push_back(scale("nav1_dme", 31, "NAV 1 DME distance", "nm"));
    t.push_back(scale("nav2_dme", 35, "NAV 2 DME distance", "nm"));
    t.push_back(flag("nav1_flag", 49, "NAV 1 to/from flag"));
    t.push_back(flag("nav2_flag", 58, "NAV 2 to/from flag"));
    t.push_back(angle("vor1_bearing", 550, "bearing to VOR 1"));
    t.push_back(angle("vor2_bearing", 59, "bearing to VOR 2"));
    t.push_back(flag("adf_signal", 20, "ADF signal received"));
    t.push_back(angle("adf_relative_bearing", 39, "ADF relative bearing"));
    t.push_back(scale("hsi_cdi_needle", 849, "HSI course deviation needle", "number"));
    t.push_back(scale("hsi_gsi_needle", 850, "HSI glide slope needle", "number"));
    t.push_back(flag("hsi_cdi_valid", 851, "HSI course deviation valid"));
    t.push_back(flag("hsi_gsi_valid", 852, "HSI glide slope valid"));
    t.push_back(flag("hsi_to_from", 853, "HSI to/from flag"));
    t.push_back(flag("marker", 354, "marker beacon: 0 none, 1 outer, 2 middle, 3 inner"));
    t.push_back(flag("gps_drives_nav", 848, "navigation source is the GPS"));
    t.push_back(scale("waypoint_distance", 835, "distance to the next waypoint", "nm", 0.00054));
    t.push_back(scale("waypoint_bearing", 836, "bearing to the next waypoint", "degrees",
                      57.29577951308232, Blend::Angle));
    t.push_back(flag("zulu_hour", 6, "UTC hour"));
    t.push_back(flag("zulu_minute", 7, "UTC minute"));
    // Autopilot and flight director.
    t.push_back(flag("autopilot_on", 103, "autopilot master"));
    t.push_back(flag("ap_wing_leveler", 104, "autopilot wing leveler"));
    t.push_back(flag("ap_nav_hold", 105, "autopilot NAV hold"));
    t.push_back(flag("ap_heading_hold", 106, "autopilot heading hold"));
    t.push_back(angle("ap_heading", 107, "autopilot heading"));
    t.push_back(flag("ap_altitude_hold", 108, "autopilot altitude hold"));
    t.push_back(scale("ap_altitude", 109, "autopilot altitude", "ft", 1.0, Blend::Step));
    t.push_back(flag("ap_glideslope_hold", 111, "autopilot glide slope hold"));
    t.push_back(flag("ap_approach_hold", 112, "autopilot approach hold"));
    t.push_back(flag("yaw_damper", 114, "yaw damper"));
    t.push_back(flag("ap_speed_hold", 115, "autopilot airspeed hold"));
    t.push_back(scale("ap_speed", 116, "autopilot airspeed", "kt", 1.0, Blend::Step));
    t.push_back(flag("ap_mach_hold", 117, "autopilot Mach hold"));
    t.push_back(scale("ap_mach", 118, "autopilot Mach", "Mach", 1.0, Blend::Step));
    t.push_back(flag("autothrottle_armed", 123, "autothrottle armed"));
    t.push_back(flag("flight_director_on", 792, "flight director on"));
    t.push_back(scale("flight_director_pitch", 793, "flight director pitch", "degrees"));
    t.push_back(scale("flight_director_bank", 794, "flight director bank", "degrees"));
    t.push_back(scale("decision_height", 615, "decision height", "ft", 1.0, Blend::Step));
    // Airframe, warnings, systems.
    t.push_back(flag("parking_brake", 323, "parking brake set"));
    t.push_back(flag("spoilers_armed", 324, "spoilers armed"));
    t.push_back(scale("spoiler_left", 326, "left spoiler position", "number"));
    t.push_back(scale("spoiler_right", 327, "right spoiler position", "number"));
    t.push_back(scale("flap_handle", 328, "flap handle position", "number"));
    // The host's gear field reads 0 up and 16383 down.
    for (auto [leg, token] : {std::pair{"gear", 332}, {"gear", 333}, {"gear", 334}}) {
        t.push_back(scale(leg, token, "gear leg position, 0 up to 1 down", "fraction",
                          1.0 / 16383.0, Blend::Linear, 1.0));
    }
    t.push_back(scale("gear_nose", 332, "nose gear position, 0 up to 1 down", "fraction",
                      1.0 / 16383.0, Blend::Linear, 1.0));
    t.push_back(scale("gear_left", 333, "left gear position, 0 up to 1 down", "fraction",
                      1.0 / 16383.0, Blend::Linear, 1.0));
    t.push_back(scale("gear_right", 334, "right gear position, 0 up to 1 down", "fraction",
                      1.0 / 16383.0, Blend::Linear, 1.0));
    t.push_back(flag("landing_lights", 14, "landing lights on"));
    t.push_back(flag("taxi_lights", 369, "taxi lights on"));
    t.push_back(flag("door_a", 868, "door A open"));
    t.push_back(flag("door_c", 869, "door C open"));
    t.push_back(flag("door_d", 866, "door D open"));
    t.push_back(flag("stall_warning", 67, "stall warning"));
    t.push_back(flag("overspeed_warning", 68, "overspeed warning"));
    t.push_back(flag("elec_alert", 279, "electrical alert source"));
    t.push_back(flag("vacuum_alert_a", 288, "vacuum alert A"));
    t.push_back(flag("vacuum_alert_b", 378, "vacuum alert B"));
    t.push_back(flag("oil_alert", 381, "oil alert source"));
    t.push_back(flag("hydraulics_available", 824, "hydraulics available (0: lost)", 1.0));
    t.push_back(flag("battery_on", 364, "battery master (non-zero: avionics powered)"));
    t.push_back(scale("warning_quantity", 791,
                      "quantity the repeated voice warning tests "
                      "against 1000",
                      "number", 1.0, Blend::Linear, 5000.0));
    t.push_back(scale("fuel_flow", 138, "engine 1 fuel flow (bitmap gauges)", "lb/h"));
    // Engines 1 to 4.
    for (int i = 0; i < 4; ++i) {
        const std::string e = "engine" + std::to_string(i + 1) + "_";
        const std::string n = "engine " + std::to_string(i + 1) + " ";
        t.push_back(scale(e + "n1", 624 + 19 * i, n + "N1", "percent"));
        t.push_back(scale(e + "n2", 625 + 19 * i, n + "N2", "percent"));
        t.push_back(scale(e + "epr", 630 + 19 * i, n + "EPR", "ratio"));
        t.push_back(special(e + "itt", 631 + 19 * i, n + "ITT", "degC", Encoding::Rankine,
                            VarType::Number, Blend::Linear));
        t.push_back(scale(e + "fuel_flow", 638 + 19 * i, n + "fuel flow", "lb/h"));
        t.push_back(scale(e + "vibration", 642 + 19 * i, n + "vibration", "number"));
        t.push_back(scale(e + "torque", 140 + 35 * i, n + "torque", "number"));
        t.push_back(
            scale(e + "oil_quantity", 149 + 35 * i, n + "oil quantity", "percent", 0.006103515625));
        t.push_back(special(e + "egt", 567 + 10 * i, n + "EGT", "degC", Encoding::Rankine,
                            VarType::Number, Blend::Linear));
        t.push_back(special(e + "oil_temperature", 561 + 10 * i, n + "oil temperature", "degC",
                            Encoding::Rankine, VarType::Number, Blend::Linear));
        t.push_back(scale(e + "oil_pressure", 562 + 10 * i, n + "oil pressure", "number",
                          0.00335693359375));
        t.push_back(flag(e + "generator", 565 + 10 * i, n + "generator on"));
        t.push_back(scale(e + "hydraulic_pressure", 732 + 2 * i, n + "hydraulic pressure", "number",
                          0.00047881254488867607));
        t.push_back(scale(e + "hydraulic_quantity", 733 + 2 * i, n + "hydraulic quantity",
                          "percent", 100.0));
        t.push_back(scale(e + "fuel_pressure", 899 + i, n + "fuel pressure", "number"));
        t.push_back(flag(e + "fire", 887 + i, n + "fire"));
        t.push_back(scale(e + "running_level", 761 + 2 * i,
                          n + "running level (above 13: running, counts towards power)", "number"));
    }
    // Fuel tanks: level as a fraction of capacity (the host's field is 2^23 full).
    const int tanks[8][2] = {{291, 292}, {293, 294}, {295, 296}, {297, 298},
                             {299, 300}, {301, 302}, {289, 290}, {383, 384}};
    for (int i = 0; i < 8; ++i) {
        const std::string k = "fuel_tank" + std::to_string(i + 1) + "_";
        const std::string n = "fuel tank " + std::to_string(i + 1) + " ";
        t.push_back(scale(k + "level", tanks[i][0], n + "level", "percent",
                          100.0 * 1.1920930376163766e-07));
        t.push_back(scale(k + "capacity", tanks[i][1], n + "capacity", "gal"));
    }
    t.push_back(scale("fuel_weight_per_gallon", 306, "fuel weight per gallon", "lb/gal", 1.0,
                      Blend::Step, 6.7));
    return t;
}

}  // namespace

const std::vector<TokenEntry>& tokenTable() {
    static const std::vector<TokenEntry> table = buildTable();
    return table;
}

std::vector<const TokenEntry*> findChannel(std::string_view channel) {
    std::vector<const TokenEntry*> out;
    for (const TokenEntry& e : tokenTable()) {
        if (e.channel == channel) out.push_back(&e);
    }
    return out;
}

const TokenEntry* findToken(int token) {
    static const std::unordered_map<int, const TokenEntry*> index = [] {
        std::unordered_map<int, const TokenEntry*> m;
        for (const TokenEntry& e : tokenTable()) m.emplace(e.token, &e);
        return m;
    }();
    auto it = index.find(token);
    return it == index.end() ? nullptr : it->second;
}

namespace {

int32_t bcdDigits(int value, int digits) {
    int32_t out = 0;
    for (int i = 0; i < digits; ++i) {
        out |= (value % 10) << (4 * i);
        value /= 10;
    }
    return out;
}

// Whole tenths of a kHz, clamped to what the ADF digits hold.
int adfTenths(double khz) {
    double t = std::floor(khz * 10.0 + 0.5);
    if (!(t >= 0.0)) t = 0.0;
    if (t > 99999.0) t = 99999.0;
    return static_cast<int>(t);
}

}  // namespace

host::VarValue encodeValue(const TokenEntry& entry, double natural) {
    host::VarValue v{};
    v.raw = 0;
    switch (entry.encoding) {
        case Encoding::Scale:
            v.n = natural / entry.factor;
            break;
        case Encoding::Rankine:
            v.n = natural * 1.8 + 491.67;
            break;
        case Encoding::Bcd: {
            // 110.80 -> digits 1080; a third decimal (the 25 kHz step) is dropped.
            double hundredths = std::floor((natural - 100.0) * 100.0 + 1e-6);
            if (!(hundredths >= 0.0)) hundredths = 0.0;
            if (hundredths > 9999.0) hundredths = 9999.0;
            v.d = bcdDigits(static_cast<int>(hundredths), 4);
            break;
        }
        case Encoding::AdfLow: {
            int units = adfTenths(natural) / 10;  // whole kHz
            v.d = bcdDigits(units % 1000, 3);
            break;
        }
        case Encoding::AdfHigh: {
            int tenths = adfTenths(natural);
            v.d = ((tenths / 10000) % 10) << 8 | (tenths % 10);
            break;
        }
        case Encoding::Text:
            break;
    }
    return v;
}

double decodeValue(const TokenEntry& entry, host::VarValue raw) {
    switch (entry.encoding) {
        case Encoding::Scale:
            return raw.n * entry.factor;
        case Encoding::Rankine:
            return (raw.n - 459.67 - 32.0) * 0.5555555555555556;
        case Encoding::Bcd: {
            int w = raw.d;
            return 100.0 + ((w >> 12) & 15) * 10 + ((w >> 8) & 15) + ((w >> 4) & 15) * 0.1 +
                   (w & 15) * 0.01;
        }
        case Encoding::AdfLow: {
            int w = raw.d;
            return ((w >> 8) & 15) * 100 + ((w >> 4) & 15) * 10 + (w & 15);
        }
        case Encoding::AdfHigh: {
            int w = raw.d;
            return ((w >> 8) & 15) * 1000 + (w & 15) * 0.1;
        }
        case Encoding::Text:
            return 0.0;
    }
    return 0.0;
}

}  // namespace simhost
