#pragma once
// The radio altitude readout near the attitude display, shown from the
// configured limit down.
#include <string>

#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// The readout for height h: empty above the limit; 50 ft steps from
// 1001 ft up, 10 ft steps below.
std::wstring radioAltitudeText(int32_t height, int32_t limit);

void drawRadioAltitude(PfdPaint& p);

}  // namespace zentra
