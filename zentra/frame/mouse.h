#pragma once
// Mouse functions of the display gauges. Each returns 1 (handled).
#include <cstdint>

#include "host/mouse.h"

namespace zentra {

// PFD, ND, EICAS: a left click toggles the popup window; wheel steps change
// the brightness.
int32_t pfdMouse(host::Point* point, uint32_t flags);
int32_t ndMouse(host::Point* point, uint32_t flags);
int32_t eicasMouse(host::Point* point, uint32_t flags);

// Debug: the centre area toggles the popup window; the corner does nothing.
int32_t debugPopupMouse(host::Point* point, uint32_t flags);
int32_t debugCornerMouse(host::Point* point, uint32_t flags);

}  // namespace zentra
