#include "zentra/frame/debug_display.h"

namespace zentra {

DebugDisplay::DebugDisplay(host::GaugeHeader* header) : DisplayBase(header, "Debug") {}

}  // namespace zentra
