#pragma once
// The ten fixed user messages of the PFD, drawn after the info fields.
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// Each message with a label, at its position and anchor.
void drawUserMessages(PfdPaint& p);

}  // namespace zentra
