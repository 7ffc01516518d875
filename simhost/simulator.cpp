#include "simhost/simulator.h"

#include <cmath>
#include <cstring>

#include "simhost/aircraft_vars.h"
#include "simhost/calculator.h"
#include "simhost/host_error.h"
#include "simhost/interpolation.h"
#include "simhost/panels_table.h"
#include "simhost/text_words.h"

namespace simhost {
namespace {

Simulator* gCurrent = nullptr;

constexpr const char* kSharedDataName = "KORU_SHARED_DATA";
constexpr const char* kGpsDataName = "FS2002 GPS DATA";
constexpr const char* kRadarNames[] = {"Radar Mode", "Radar Target Distance", "Radar Target Speed",
                                       "Radar Target Altitude"};
constexpr size_t kMaxText = 255;
constexpr int kMaxMouseRects = 1024;

double numberOf(const host::ModuleVar& v) {
    switch (v.varType) {
        case host::VarType::Number:
            return v.value.n;
        case host::VarType::Integer:
            return v.value.d;
        default:
            return 0.0;
    }
}

}  // namespace

Simulator::Simulator(PanelLayout panel, Scenario scenario, RunSettings settings)
    : panel_(std::move(panel)), scenario_(std::move(scenario)), settings_(std::move(settings)) {
    if (gCurrent) throw HostError("a simulator is already running in this process");
    if (!(settings_.rate > 0.0) || settings_.rate > 1000.0) {
        throw HostError("frame rate must be above 0 and at most 1000");
    }
    table_ = makePanelsTable();
    gCurrent = this;
    try {
        loader_ = std::make_unique<ModuleLoader>(settings_.modulesDir, &table_);
        for (const AircraftVarEntry& e : aircraftVarTable()) aircraftValues_[e.channel] = e.initial;
        if (scenario_.publishSharedData) shared_ = std::make_unique<SharedDataBlock>();
        if (scenario_.publishGps) {
            gps_ = std::make_unique<GpsDataBlock>();
            gps_->setPlan(scenario_.waypoints);
        }
        if (scenario_.publishRadar) {
            for (const char* name : kRadarNames) named_.create(name);
        }
        for (const Track& t : scenario_.tracks) {
            namedIds_.push_back(t.target == TrackTarget::NamedVariable ? named_.create(t.name) : 0);
        }
        placeGauges();
        resolveEvents();
    } catch (...) {
        gauges_.clear();
        loader_.reset();
        gCurrent = nullptr;
        throw;
    }
}

Simulator::~Simulator() {
    gauges_.clear();
    loader_.reset();
    gCurrent = nullptr;
}

Simulator* Simulator::current() { return gCurrent; }

int64_t Simulator::lastFrame() const {
    return static_cast<int64_t>(std::llround(scenario_.duration * settings_.rate));
}

void Simulator::placeGauges() {
    windows_.reserve(panel_.windows.size());
    for (const WindowSpec& layout : panel_.windows) {
        PanelWindow w;
        w.layout = layout;
        w.shown = layout.isVc ? viewMode_ == kVirtualCockpitView : layout.visible;
        windows_.push_back(std::move(w));
    }
    for (size_t wi = 0; wi < windows_.size(); ++wi) {
        PanelWindow& w = windows_[wi];
        for (const GaugePlacement& p : w.layout.gauges) {
            LoadedModule& m = loader_->load(p.module, panel_.file, p.line);
            const host::GaugeHeader* proto = m.findGauge(p.gauge);
            if (!proto) {
                throw HostError(panel_.file, p.line,
                                "module \"" + p.module + "\" has no gauge \"" + p.gauge +
                                    "\" (it has " + m.gaugeNames() + ")");
            }
            if (proto->version != host::kGaugeHeaderVersion) {
                throw HostError(panel_.file, p.line,
                                "gauge \"" + p.gauge + "\" has header version " +
                                    std::to_string(proto->version));
            }
            auto g = std::make_unique<GaugeInstance>(*proto, m, p, panel_.file, wi, w.layout.section,
                                                     bitmaps_);
            if (g->elementList()) listOwners_[g->elementList()] = g.get();
            w.gauges.push_back(g.get());
            gauges_.push_back(std::move(g));
        }
    }
}

PanelWindow* Simulator::findWindowByIdent(uint32_t ident) {
    for (PanelWindow& w : windows_) {
        if (!w.layout.isVc && w.layout.ident == ident) return &w;
    }
    return nullptr;
}

PanelWindow* Simulator::findWindow(const std::string& ref) {
    if (auto n = parseInteger(ref); n && *n >= 0 && *n <= 0xFFFFFFFFll) {
        return findWindowByIdent(static_cast<uint32_t>(*n));
    }
    for (PanelWindow& w : windows_) {
        if (lowerCase(w.layout.section) == lowerCase(ref)) return &w;
    }
    return nullptr;
}

void Simulator::resolveEvents() {
    for (const ScenarioEvent& e : scenario_.events) {
        ResolvedEvent r;
        auto fail = [&](const std::string& problem) {
            throw HostError(scenario_.file, e.line, problem);
        };
        switch (e.kind) {
            case EventKind::Open:
            case EventKind::Close:
            case EventKind::Toggle:
                r.window = findWindow(e.window);
                if (!r.window) fail("no panel window \"" + e.window + "\" in " + panel_.file);
                if (r.window->layout.isVc) {
                    fail("[" + r.window->layout.section + "] shows in view mode 2; it is not opened");
                }
                break;
            case EventKind::Click:
            case EventKind::Wheel:
            case EventKind::Resize: {
                r.window = findWindow(e.window);
                if (!r.window) fail("no panel window \"" + e.window + "\" in " + panel_.file);
                const std::string ref = lowerCase(e.gauge);
                for (GaugeInstance* g : r.window->gauges) {
                    const GaugePlacement& p = g->placement();
                    if (lowerCase(p.key) == ref || lowerCase(p.module + "!" + p.gauge) == ref) {
                        r.gauge = g;
                        break;
                    }
                }
                if (!r.gauge)
                    fail("no gauge \"" + e.gauge + "\" on [" + r.window->layout.section + "]");
                break;
            }
            case EventKind::NextWaypoint:
                if (scenario_.waypoints.empty()) fail("next_waypoint without any waypoint");
                break;
            default:
                break;
        }
        resolved_.push_back(r);
    }
}

void Simulator::advance(int64_t frame) {
    frame_ = frame;
    time_ = timeOfFrame(frame);
    vars_.setRaw(kSimTimeToken, time_);
    applyTracks();
    const double due = time_ + 1e-9;
    while (nextEvent_ < scenario_.events.size() && scenario_.events[nextEvent_].time <= due) {
        applyEvent(scenario_.events[nextEvent_], resolved_[nextEvent_]);
        ++nextEvent_;
    }
}

void Simulator::applyTracks() {
    for (size_t i = 0; i < scenario_.tracks.size(); ++i) {
        const Track& t = scenario_.tracks[i];
        const double v = interpolate(t.keys, time_, t.blend);
        switch (t.target) {
            case TrackTarget::Channel:
                for (const TokenEntry* e : findChannel(t.name)) vars_.setNatural(*e, v);
                break;
            case TrackTarget::AircraftVar:
                aircraftValues_[t.name] = v;
                break;
            case TrackTarget::RawToken:
                vars_.setRaw(t.token, v);
                break;
            case TrackTarget::NamedVariable:
                named_.set(namedIds_[i], v);
                break;
            case TrackTarget::PanelLighting:
                lighting_ = v;
                break;
        }
    }
    for (const TextTrack& t : scenario_.texts) {
        const std::string* text = &t.keys.front().text;
        for (const TextKey& k : t.keys) {
            if (k.time <= time_ + 1e-9) text = &k.text;
        }
        if (vars_.value(t.token).s == nullptr || *text != vars_.value(t.token).s) {
            vars_.setText(t.token, *text);
        }
    }
}

void Simulator::log(const std::string& kind, int64_t id, int64_t parameter,
                    const std::string& detail) {
    LoggedEvent e;
    e.time = time_;
    e.frame = frame_;
    e.kind = kind;
    e.id = id;
    e.parameter = parameter;
    e.source = currentGauge_ ? currentGauge_->label() : "scenario";
    e.detail = detail;
    events_.add(std::move(e));
}

void Simulator::setShown(PanelWindow& w, bool shown) {
    if (w.shown == shown) return;
    w.shown = shown;
    if (!w.layout.isVc) panelEvents_.emplace_back(static_cast<size_t>(&w - windows_.data()), shown);
}

void Simulator::applyEvent(const ScenarioEvent& e, const ResolvedEvent& r) {
    switch (e.kind) {
        case EventKind::Shared:
            if (shared_) shared_->set(*findSharedField(e.field), e.value);
            break;
        case EventKind::Open:
        case EventKind::Close:
        case EventKind::Toggle: {
            const bool show = e.kind == EventKind::Open    ? true
                              : e.kind == EventKind::Close ? false
                                                           : !r.window->shown;
            setShown(*r.window, show);
            log(show ? "window_open" : "window_close", r.window->layout.ident, 0,
                r.window->layout.section);
            break;
        }
        case EventKind::View:
            viewMode_ = static_cast<int>(e.value);
            for (PanelWindow& w : windows_) {
                const bool vcView = viewMode_ == kVirtualCockpitView;
                if (w.layout.isVc) {
                    w.shown = vcView;
                } else if (w.layout.ident == 0) {
                    // The main panel belongs to the 2D cockpit view: it closes while
                    // the pilot looks around the virtual cockpit and opens again after.
                    if (vcView && w.shown) {
                        setShown(w, false);
                        w.hiddenByView = true;
                    } else if (!vcView && w.hiddenByView) {
                        setShown(w, true);
                        w.hiddenByView = false;
                    }
                }
            }
            log("view", viewMode_, 0, "");
            break;
        case EventKind::Resize:
            // The gauge's surfaces keep their device contexts and get new pixels.
            r.gauge->resize(e.width, e.height, bitmaps_);
            log("resize", e.width, e.height, r.gauge->label());
            break;
        case EventKind::Click:
        case EventKind::Wheel: {
            const bool click = e.kind == EventKind::Click;
            const uint32_t flags = click  ? host::kMouseLeftSingle
                                   : e.up ? host::kMouseWheelUp
                                          : host::kMouseWheelDown;
            const int steps = click ? 1 : e.steps;
            std::string detail =
                r.gauge->label() + " at x=" + std::to_string(e.x) + " y=" + std::to_string(e.y);
            bool handled = false;
            if (r.window->shown) {
                for (int i = 0; i < steps; ++i) handled |= mouse(*r.gauge, e.x, e.y, flags);
            }
            detail += !r.window->shown ? " (window not shown)" : handled ? "" : " (no mouse area)";
            log(click ? "click" : "wheel", flags, steps, detail);
            break;
        }
        case EventKind::NextWaypoint:
            if (gps_) gps_->setNextIndex(static_cast<int32_t>(e.value));
            break;
    }
}

std::vector<std::pair<size_t, bool>> Simulator::takePanelEvents() {
    std::vector<std::pair<size_t, bool>> out;
    out.swap(panelEvents_);
    return out;
}

bool Simulator::mouse(GaugeInstance& gauge, int x, int y, uint32_t flags) {
    const host::MouseRect* rects = gauge.header()->mouseRects;
    if (!rects) return false;
    for (int i = 0; i < kMaxMouseRects && rects[i].type != host::MouseRectType::End; ++i) {
        const host::MouseRect& r = rects[i];
        if (!(r.flags & flags)) continue;
        if (x < r.box.x || y < r.box.y || x >= r.box.x + r.box.w || y >= r.box.y + r.box.h)
            continue;
        CurrentGauge scope(*this, &gauge);
        if (r.function) {
            host::Point p{x, y};
            r.function(&p, flags);
        } else if (r.eventId != 0) {
            triggerKeyEvent(r.eventId, 0);
        } else {
            continue;
        }
        return true;
    }
    return false;
}

void Simulator::lookupVar(host::ModuleVar* var) {
    if (var) vars_.read(*var);
}

void Simulator::initializeVarByName(host::ModuleVar* var, const char* name) {
    if (!var) return;
    void* p = nullptr;
    if (name && std::strcmp(name, kSharedDataName) == 0 && shared_) p = shared_->data();
    if (name && std::strcmp(name, kGpsDataName) == 0 && gps_) p = gps_->data();
    var->varPtr = p;
    var->varType = host::VarType::Pointer;
    var->value.raw = 0;
    var->value.p = p;
}

int32_t Simulator::aircraftVarEnum(const char* name) const {
    if (!name) return -1;
    for (const AircraftVarEntry& e : aircraftVarTable()) {
        if (lowerCase(e.name) == lowerCase(name)) return e.id;
    }
    return -1;
}

double Simulator::aircraftVarget(int32_t id, int32_t unitsEnum, int32_t index) const {
    const AircraftVarEntry* e = findAircraftVar(id, index);
    if (!e) return 0.0;
    auto it = aircraftValues_.find(e->channel);
    const double v = it == aircraftValues_.end() ? 0.0 : it->second;
    return convertUnits(v, e->unit, unitsEnum);
}

int32_t Simulator::executeCalculatorCode(const char* code, double* fOut, int32_t* iOut,
                                         const char** sOut) const {
    static const char kEmpty[] = "";
    double v = 0.0;
    bool ok = false;
    if (code) {
        if (auto ref = parseCalculatorRef(code)) {
            const std::string name = lowerCase(ref->name);
            if (ref->kind == 'P' && name == "active view mode") {
                v = viewMode_, ok = true;
            } else if (ref->kind == 'P' && name == "panel lighting mode") {
                v = std::trunc(lighting_), ok = true;
            } else if (ref->kind == 'P' && name == "simulation time") {
                v = time_, ok = true;
            } else if (ref->kind == 'A') {
                if (const AircraftVarEntry* e = findAircraftVarByName(ref->name, ref->index)) {
                    auto it = aircraftValues_.find(e->channel);
                    v = convertUnits(it == aircraftValues_.end() ? 0.0 : it->second, e->unit,
                                     unitsEnum(ref->units));
                    ok = true;
                }
            } else if (ref->kind == 'L') {
                const int id = named_.find(ref->name);
                if (id > 0) v = named_.get(id), ok = true;
            }
        }
    }
    if (fOut) *fOut = v;
    if (iOut) *iOut = std::isfinite(v) && std::fabs(v) < 2147483647.0 ? static_cast<int32_t>(v) : 0;
    if (sOut) *sOut = kEmpty;
    return ok ? 1 : 0;
}

int32_t Simulator::isPanelWindowVisible(uint32_t ident) const {
    for (const PanelWindow& w : windows_) {
        if (!w.layout.isVc && w.layout.ident == ident) return w.shown ? 1 : 0;
    }
    return 0;
}

int32_t Simulator::panelWindowToggle(uint32_t ident) {
    PanelWindow* w = findWindowByIdent(ident);
    if (!w) {
        log("window_toggle", ident, 0, "no such window");
        return 0;
    }
    setShown(*w, !w->shown);
    log("window_toggle", ident, w->shown ? 1 : 0, w->layout.section);
    return 1;
}

void Simulator::triggerKeyEvent(uint32_t eventId, uint32_t parameter) {
    log("key_event", eventId, parameter, "");
}

GaugeInstance* Simulator::ownerOf(host::ElementHeader* const* list) const {
    auto it = listOwners_.find(list);
    return it == listOwners_.end() ? nullptr : it->second;
}

void Simulator::elementListUpdate(host::ElementHeader* const* list) {
    GaugeInstance* g = ownerOf(list);
    if (!g) return;
    auto refresh = [&](host::ModuleVar& v) {
        if (v.id != 0) vars_.read(v);
    };
    auto value = [&](host::ElementHeader* e, host::ModuleVar& v, host::ElementCallback cb) {
        refresh(v);
        return cb ? cb(e, &v) : numberOf(v);
    };
    for (ElementState& st : g->elements()) {
        host::ElementHeader* e = st.element;
        switch (e->type) {
            case host::ElementType::Needle: {
                auto* n = reinterpret_cast<host::Needle*>(e);
                st.values[0] = value(e, n->source, n->callback);
                break;
            }
            case host::ElementType::Sprite: {
                auto* s = reinterpret_cast<host::Sprite*>(e);
                st.values[0] = value(e, s->sourceX, s->callbackX);
                st.values[1] = value(e, s->sourceY, s->callbackY);
                st.values[2] = value(e, s->sourceAngle, s->callbackAngle);
                break;
            }
            case host::ElementType::Slider: {
                auto* s = reinterpret_cast<host::Slider*>(e);
                st.values[0] = value(e, s->sourceX, s->callbackX);
                st.values[1] = value(e, s->sourceY, s->callbackY);
                break;
            }
            case host::ElementType::MovingImage: {
                auto* m = reinterpret_cast<host::MovingImage*>(e);
                st.values[0] = value(e, m->sourceX, m->callbackX);
                st.values[1] = value(e, m->sourceY, m->callbackY);
                break;
            }
            case host::ElementType::Icon: {
                auto* i = reinterpret_cast<host::Icon*>(e);
                st.values[0] = value(e, i->source, i->callback);
                break;
            }
            case host::ElementType::String: {
                auto* s = reinterpret_cast<host::StringField*>(e);
                refresh(s->source);
                refresh(s->source2);
                const char* text = s->callback ? s->callback(e) : nullptr;
                st.text.assign(text ? text : "", text ? strnlen(text, kMaxText) : 0);
                break;
            }
            default:
                break;
        }
    }
}

void Simulator::elementListPlot(host::ElementHeader* const* list) {
    if (GaugeInstance* g = ownerOf(list)) g->takeSurfaces();
}

}  // namespace simhost
