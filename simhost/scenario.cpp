#include "simhost/scenario.h"

#include <fstream>
#include <map>
#include <sstream>

#include "simhost/aircraft_vars.h"
#include "simhost/host_error.h"
#include "simhost/shared_data_block.h"
#include "simhost/text_words.h"

namespace simhost {
namespace {

constexpr double kMaxDuration = 86400.0;

class Parser {
  public:
    explicit Parser(const std::string& file) { s_.file = file; }

    Scenario run(std::string_view text) {
        for (const std::string& raw : splitLines(text)) {
            ++line_;
            auto words = splitWords(raw);
            if (!words) fail("quote not closed");
            if (words->empty()) continue;
            words_ = std::move(*words);
            parseLine();
        }
        for (const ScenarioEvent& e : s_.events) {
            if (e.time > s_.duration) {
                throw HostError(s_.file, e.line,
                                "event at " + fmt(e.time) + " s is after the end of the run (" +
                                    fmt(s_.duration) + " s)");
            }
        }
        return std::move(s_);
    }

  private:
    [[noreturn]] void fail(const std::string& problem) const {
        throw HostError(s_.file, line_, problem);
    }

    static std::string fmt(double v) {
        std::ostringstream o;
        o << v;
        return o.str();
    }

    void expectArgs(size_t first, size_t count, const char* usage) const {
        if (words_.size() != first + count) fail(std::string("expected: ") + usage);
    }

    double number(size_t i, const char* what) const {
        auto v = parseNumber(words_[i]);
        if (!v) fail(std::string("bad ") + what + " \"" + words_[i] + "\"");
        return *v;
    }

    int integer(size_t i, const char* what, long long min, long long max) const {
        auto v = parseInteger(words_[i]);
        if (!v || *v < min || *v > max) fail(std::string("bad ") + what + " \"" + words_[i] + "\"");
        return static_cast<int>(*v);
    }

    bool onOff(size_t i) const {
        if (words_[i] == "on") return true;
        if (words_[i] == "off") return false;
        fail("expected on or off, got \"" + words_[i] + "\"");
    }

    void parseLine() {
        const std::string& first = words_[0];
        if (first == "duration") {
            expectArgs(1, 1, "duration SECONDS");
            double d = number(1, "duration");
            if (d <= 0.0 || d > kMaxDuration) fail("duration must be above 0 and at most 86400 s");
            s_.duration = d;
        } else if (first == "waypoint") {
            expectArgs(1, 3, "waypoint IDENT LATITUDE LONGITUDE");
            Waypoint w;
            w.ident = words_[1];
            if (w.ident.empty() || w.ident.size() > 8)
                fail("waypoint ident must be 1 to 8 characters");
            w.latitude = number(2, "latitude");
            w.longitude = number(3, "longitude");
            if (w.latitude < -90.0 || w.latitude > 90.0) fail("latitude outside -90 to 90");
            if (w.longitude < -180.0 || w.longitude > 180.0) fail("longitude outside -180 to 180");
            s_.waypoints.push_back(w);
        } else if (first == "publish") {
            expectArgs(1, 2, "publish shared_data|gps|radar on|off");
            bool on = onOff(2);
            if (words_[1] == "shared_data") {
                s_.publishSharedData = on;
            } else if (words_[1] == "gps") {
                s_.publishGps = on;
            } else if (words_[1] == "radar") {
                s_.publishRadar = on;
            } else {
                fail("unknown publisher \"" + words_[1] + "\" (shared_data, gps or radar)");
            }
        } else {
            auto t = parseNumber(first);
            if (!t) fail("unknown command \"" + first + "\"");
            if (*t < 0.0) fail("negative time " + first);
            if (words_.size() < 2) fail("a time needs a command after it");
            parseTimed(*t);
        }
    }

    Track& track(TrackTarget target, const std::string& name, int token, Blend blend, double t) {
        checkOrder(name.empty() ? "token " + std::to_string(token) : name, t);
        std::string key =
            std::to_string(static_cast<int>(target)) + ":" + name + ":" + std::to_string(token);
        auto it = trackIndex_.find(key);
        if (it != trackIndex_.end()) return s_.tracks[it->second];
        Track tr;
        tr.target = target;
        tr.name = name;
        tr.token = token;
        tr.blend = blend;
        trackIndex_[key] = s_.tracks.size();
        s_.tracks.push_back(tr);
        return s_.tracks.back();
    }

    // Keys of one track, and the events among themselves, come in time order.
    void checkOrder(const std::string& what, double t) {
        auto [it, fresh] = lastTimes_.emplace(what, t);
        if (!fresh && t < it->second) {
            fail("time goes backwards (" + fmt(t) + " after " + fmt(it->second) +
                 (what.empty() ? " for the events)" : " for " + what + ")"));
        }
        it->second = t;
    }

    void addEvent(ScenarioEvent e) {
        checkOrder("", e.time);
        e.line = line_;
        s_.events.push_back(std::move(e));
    }

    void parseTimed(double t) {
        const std::string& cmd = words_[1];
        ScenarioEvent e;
        e.time = t;
        if (cmd == "set") {
            expectArgs(2, 2, "TIME set CHANNEL VALUE");
            const std::string& ch = words_[2];
            auto entries = findChannel(ch);
            if (!entries.empty() && entries[0]->encoding == Encoding::Text) {
                fail("channel " + ch + " is a text: use TIME text " + ch + " VALUE");
            }
            const bool known = ch == kPanelLightingChannel || !entries.empty() ||
                               findAircraftVarChannel(ch) != nullptr;
            if (!known) fail("unknown channel \"" + ch + "\" (simhost channels lists them)");
            double v = number(3, "value");
            if (ch == kPanelLightingChannel) {
                track(TrackTarget::PanelLighting, ch, 0, Blend::Step, t).keys.push_back({t, v});
            } else if (!entries.empty()) {
                track(TrackTarget::Channel, ch, 0, entries[0]->blend, t).keys.push_back({t, v});
            } else {
                const AircraftVarEntry* av = findAircraftVarChannel(ch);
                track(TrackTarget::AircraftVar, ch, 0, av->blend, t).keys.push_back({t, v});
            }
        } else if (cmd == "text") {
            expectArgs(2, 2, "TIME text CHANNEL TEXT");
            auto entries = findChannel(words_[2]);
            if (entries.empty() || entries[0]->encoding != Encoding::Text) {
                fail("unknown text channel \"" + words_[2] + "\" (simhost channels lists them)");
            }
            TextTrack* tt = nullptr;
            for (TextTrack& x : s_.texts) {
                if (x.channel == words_[2]) tt = &x;
            }
            if (!tt) {
                s_.texts.push_back(TextTrack{words_[2], entries[0]->token, {}});
                tt = &s_.texts.back();
            }
            checkOrder(words_[2], t);
            tt->keys.push_back({t, words_[3]});
        } else if (cmd == "raw") {
            expectArgs(2, 2, "TIME raw TOKEN VALUE");
            int token = integer(2, "token", 0, 0xFFFF);
            const TokenEntry* te = findToken(token);
            if (te && te->type != host::VarType::Number) {
                fail("token " + words_[2] + " is not a number field (use set or text)");
            }
            track(TrackTarget::RawToken, "", token, Blend::Linear, t)
                .keys.push_back({t, number(3, "value")});
        } else if (cmd == "named") {
            expectArgs(2, 2, "TIME named NAME VALUE");
            track(TrackTarget::NamedVariable, words_[2], 0, Blend::Linear, t)
                .keys.push_back({t, number(3, "value")});
        } else if (cmd == "shared") {
            expectArgs(2, 2, "TIME shared FIELD VALUE");
            if (!findSharedField(words_[2]))
                fail("unknown shared data field \"" + words_[2] + "\"");
            e.kind = EventKind::Shared;
            e.field = words_[2];
            e.value = number(3, "value");
            addEvent(e);
        } else if (cmd == "open" || cmd == "close" || cmd == "toggle") {
            expectArgs(2, 1, "TIME open|close|toggle WINDOW");
            e.kind = cmd == "open"    ? EventKind::Open
                     : cmd == "close" ? EventKind::Close
                                      : EventKind::Toggle;
            e.window = words_[2];
            addEvent(e);
        } else if (cmd == "view") {
            expectArgs(2, 1, "TIME view MODE");
            e.kind = EventKind::View;
            e.value = integer(2, "view mode", 0, 1000);
            addEvent(e);
        } else if (cmd == "click") {
            expectArgs(2, 4, "TIME click WINDOW GAUGE X Y");
            e.kind = EventKind::Click;
            e.window = words_[2];
            e.gauge = words_[3];
            e.x = integer(4, "x", -100000, 100000);
            e.y = integer(5, "y", -100000, 100000);
            addEvent(e);
        } else if (cmd == "wheel") {
            if (words_.size() != 7 && words_.size() != 8) {
                fail("expected: TIME wheel WINDOW GAUGE X Y up|down [STEPS]");
            }
            e.kind = EventKind::Wheel;
            e.window = words_[2];
            e.gauge = words_[3];
            e.x = integer(4, "x", -100000, 100000);
            e.y = integer(5, "y", -100000, 100000);
            if (words_[6] != "up" && words_[6] != "down")
                fail("wheel direction must be up or down");
            e.up = words_[6] == "up";
            if (words_.size() == 8) e.steps = integer(7, "step count", 1, 1000);
            addEvent(e);
        } else if (cmd == "resize") {
            expectArgs(2, 4, "TIME resize WINDOW GAUGE WIDTH HEIGHT");
            e.kind = EventKind::Resize;
            e.window = words_[2];
            e.gauge = words_[3];
            e.width = integer(4, "width", 1, 8192);
            e.height = integer(5, "height", 1, 8192);
            addEvent(e);
        } else if (cmd == "next_waypoint") {
            expectArgs(2, 1, "TIME next_waypoint INDEX");
            e.kind = EventKind::NextWaypoint;
            e.value = integer(2, "waypoint index", 0, 1000000);
            addEvent(e);
        } else {
            fail("unknown command \"" + cmd + "\"");
        }
    }

    Scenario s_;
    int line_ = 0;
    std::map<std::string, double> lastTimes_;  // per track, and "" for the events
    std::vector<std::string> words_;
    std::map<std::string, size_t> trackIndex_;
};

}  // namespace

Scenario parseScenario(std::string_view text, const std::string& fileName) {
    return Parser(fileName).run(text);
}

Scenario readScenarioFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw HostError(path, 0, "cannot read the scenario file");
    std::ostringstream text;
    text << in.rdbuf();
    return parseScenario(text.str(), path);
}

}  // namespace simhost
