#include "zentra/eicas/eicas_display.h"

namespace zentra {

EicasDisplay::EicasDisplay(host::GaugeHeader* header) : DisplayBase(header, "EICAS") {}

}  // namespace zentra
