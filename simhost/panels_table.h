#pragma once
// The host's function table as the modules get it in their ImportTable: every
// operation forwards to the current Simulator.
#include "host/panels.h"

namespace simhost {

host::PanelsTable makePanelsTable();

}  // namespace simhost
