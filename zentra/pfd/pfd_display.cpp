#include "zentra/pfd/pfd_display.h"

namespace zentra {

PfdDisplay::PfdDisplay(host::GaugeHeader* header) : DisplayBase(header, "PFD") {}

}  // namespace zentra
