#pragma once
// A flight scenario: channel keyframes in natural units, raw token values,
// texts, named-variable values, timed events and the GPS flight plan.
// Format in docs/scenario.md.
#include <string>
#include <string_view>
#include <vector>

#include "simhost/gps_data_block.h"
#include "simhost/interpolation.h"
#include "simhost/token_table.h"

namespace simhost {

enum class TrackTarget { Channel, AircraftVar, RawToken, NamedVariable, PanelLighting };

struct Track {
    TrackTarget target = TrackTarget::Channel;
    std::string name;  // channel or named variable
    int token = 0;     // raw tokens
    Blend blend = Blend::Linear;
    std::vector<Keyframe> keys;
};

struct TextKey {
    double time = 0.0;
    std::string text;
};

struct TextTrack {
    std::string channel;
    int token = 0;
    std::vector<TextKey> keys;
};

enum class EventKind { Shared, Open, Close, Toggle, View, Click, Wheel, NextWaypoint, Resize };

struct ScenarioEvent {
    double time = 0.0;
    int line = 0;
    EventKind kind = EventKind::View;
    std::string window;  // ident number or section name
    std::string gauge;   // panel key ("gauge01") or module!gauge
    std::string field;   // shared data field
    double value = 0.0;  // shared value, view mode, waypoint index
    int x = 0, y = 0;    // mouse point in gauge units
    bool up = true;      // wheel direction
    int steps = 1;       // wheel steps
    int width = 0, height = 0;  // resize: the gauge's new size in window pixels
};

struct Scenario {
    std::string file;
    double duration = 10.0;
    std::vector<Track> tracks;
    std::vector<TextTrack> texts;
    std::vector<ScenarioEvent> events;  // in time order
    std::vector<Waypoint> waypoints;
    bool publishSharedData = true;
    bool publishGps = true;
    bool publishRadar = true;
};

// The panel lighting channel (0 day, 2 dusk, 4 night), read by the
// calculator's "(P:PANEL LIGHTING MODE, enum)".
inline constexpr const char* kPanelLightingChannel = "panel_lighting";

// Throws HostError naming the file and line of the first problem.
Scenario parseScenario(std::string_view text, const std::string& fileName);
Scenario readScenarioFile(const std::string& path);

}  // namespace simhost
