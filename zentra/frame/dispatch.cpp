#include "zentra/frame/dispatch.h"

#include <new>

#include "host/services.h"
#include "zentra/eicas/eicas_display.h"
#include "zentra/frame/configuration_load.h"
#include "zentra/frame/debug_display.h"
#include "zentra/frame/display_base.h"
#include "zentra/frame/main_state.h"
#include "zentra/nd/nd_display.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/flight_plan_table.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

constexpr double kFlightPlanCopyInterval = 0.5;

struct TypeState {
    DisplayBase* object = nullptr;
    int connectCount = 0;
    double lastSimTime = 0.0;  // not used by Debug
};

TypeState gTypes[kDisplayTypeCount];
DisplayFactory gFactory = &createBuiltInDisplay;
int gMainConnectCount = 0;
double gLastPlanCopy = 0.0;

TypeState& stateOf(DisplayType type) { return gTypes[static_cast<int>(type)]; }

void destroyObject(TypeState& t) {
    if (t.object == nullptr) return;
    t.object->shutdown();
    delete t.object;
    t.object = nullptr;
}

// The services every display gauge routes the same way: the handlers are
// reached only while the object exists; the last disconnect destroys it.
void routeDisplayService(TypeState& t, host::GaugeHeader* gauge, int32_t serviceId) {
    if (serviceId == host::kDisconnect) {
        if (t.connectCount-- == 1) destroyObject(t);
        return;
    }
    if (t.object == nullptr) return;
    switch (serviceId) {
        case host::kPreUpdate:
            t.object->onUpdate();
            break;
        case host::kPreDraw:
            t.object->onDraw(gauge);
            break;
        case host::kPanelOpen:
            t.object->onPanelOpen(gauge);
            break;
        case host::kPanelClose:
            t.object->onPanelClose(gauge);
            break;
        default:
            break;
    }
}

// PFD, ND and EICAS share one routine shape.
void instrumentCallback(DisplayType type, host::GaugeHeader* gauge, int32_t serviceId) {
    TypeState& t = stateOf(type);
    const double now = SimTime();
    // A new simulation step (NaN on either side counts as one) moves the power state.
    if (t.object != nullptr && !(now == t.lastSimTime)) t.object->updatePowerState();

    if (serviceId == host::kPreKill) {
        if (t.object != nullptr) t.object->onKill();
    } else if (serviceId == host::kConnectToWindow) {
        if (t.connectCount == 0 && t.object == nullptr) t.object = gFactory(type, gauge);
        ++t.connectCount;
    } else {
        routeDisplayService(t, gauge, serviceId);
    }
    t.lastSimTime = now;
}

void mainGaugeFrame() {
    sampleFrame();
    if (MainState* state = getMainState()) state->alertBoard().evaluateAlerts();
    const double now = SimTime();
    if (now >= gLastPlanCopy + kFlightPlanCopyInterval) {
        copyFlightPlan();
        gLastPlanCopy = now;
    }
}

}  // namespace

DisplayBase* createBuiltInDisplay(DisplayType type, host::GaugeHeader* gauge) {
    switch (type) {
        case DisplayType::Debug:
            return new (std::nothrow) DebugDisplay(gauge);
        case DisplayType::Pfd:
            return new (std::nothrow) PfdDisplay(gauge);
        case DisplayType::Nd:
            return new (std::nothrow) NdDisplay(gauge);
        case DisplayType::Eicas:
            return new (std::nothrow) EicasDisplay(gauge);
    }
    return nullptr;
}

void setDisplayFactory(DisplayFactory factory) {
    gFactory = factory != nullptr ? factory : &createBuiltInDisplay;
}

DisplayBase* displayObject(DisplayType type) { return stateOf(type).object; }
int connectCount(DisplayType type) { return stateOf(type).connectCount; }
int mainGaugeConnectCount() { return gMainConnectCount; }
double lastFlightPlanCopyTime() { return gLastPlanCopy; }

void mainGaugeCallback(host::GaugeHeader*, int32_t serviceId, uintptr_t) {
    switch (serviceId) {
        case host::kConnectToWindow:
            if (gMainConnectCount == 0) setMainState(new (std::nothrow) MainState());
            ++gMainConnectCount;
            break;
        case host::kDisconnect:
            if (gMainConnectCount-- == 1) {
                MainState* state = getMainState();
                setMainState(nullptr);
                delete state;  // shuts the graphics down
            }
            break;
        case host::kPreInstall:
            if (MainState* state = getMainState()) {
                state->bindSharedData();
                runFirstConfigurationLoad();
            }
            break;
        case host::kPreDraw:
            if (getMainState() != nullptr) mainGaugeFrame();
            break;
        default:
            break;
    }
}

void debugCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t) {
    TypeState& t = stateOf(DisplayType::Debug);
    // The debug gauge has no pre-kill, and creates its object at any connect.
    if (serviceId == host::kConnectToWindow) {
        ++t.connectCount;
        if (t.object == nullptr) t.object = gFactory(DisplayType::Debug, gauge);
    } else if (serviceId != host::kPreKill) {
        routeDisplayService(t, gauge, serviceId);
    }
}

void pfdCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t) {
    instrumentCallback(DisplayType::Pfd, gauge, serviceId);
}

void ndCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t) {
    instrumentCallback(DisplayType::Nd, gauge, serviceId);
}

void eicasCallback(host::GaugeHeader* gauge, int32_t serviceId, uintptr_t) {
    instrumentCallback(DisplayType::Eicas, gauge, serviceId);
}

}  // namespace zentra
