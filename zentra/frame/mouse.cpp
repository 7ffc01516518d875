#include "zentra/frame/mouse.h"

#include "host/panels.h"
#include "zentra/frame/dispatch.h"
#include "zentra/frame/display_base.h"
#include "zentra/frame/host_access.h"

namespace zentra {

namespace {

void togglePopup(const DisplayBase* display) {
    if (display == nullptr || display->popupWindowId() == 0) return;
    host::PanelsTable* panels = hostPanels();
    if (panels != nullptr && panels->panelWindowToggle != nullptr) {
        panels->panelWindowToggle(static_cast<uint32_t>(display->popupWindowId()));
    }
}

int32_t instrumentMouse(DisplayType type, uint32_t flags) {
    DisplayBase* display = displayObject(type);
    if (flags & host::kMouseLeftSingle) {
        togglePopup(display);
    } else if (display != nullptr) {
        if (flags & host::kMouseWheelUp) {
            display->brightnessUp();
        } else if (flags & host::kMouseWheelDown) {
            display->brightnessDown();
        }
    }
    return 1;
}

}  // namespace

int32_t pfdMouse(host::Point*, uint32_t flags) { return instrumentMouse(DisplayType::Pfd, flags); }
int32_t ndMouse(host::Point*, uint32_t flags) { return instrumentMouse(DisplayType::Nd, flags); }
int32_t eicasMouse(host::Point*, uint32_t flags) {
    return instrumentMouse(DisplayType::Eicas, flags);
}

int32_t debugPopupMouse(host::Point*, uint32_t) {
    togglePopup(displayObject(DisplayType::Debug));
    return 1;
}

int32_t debugCornerMouse(host::Point*, uint32_t) { return 1; }

}  // namespace zentra
