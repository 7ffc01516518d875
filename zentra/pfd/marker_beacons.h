#pragma once
// The marker beacon annunciation: " O ", " M " or " I " while over a marker.
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

void drawMarkerBeacons(PfdPaint& p);

}  // namespace zentra
