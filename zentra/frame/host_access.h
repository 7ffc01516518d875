#pragma once
// The module's view of the host: the function table the host writes into the
// exported ImportTable when it loads the module.
#include "host/gauge_header.h"
#include "host/panels.h"

// Defined in the core so tests that link it can install a host of their own;
// the module exports it as its ImportTable.
GAUGE_EXPORT host::ImportTable ImportTable;

namespace zentra {

// The host's function table, or null while the host has not written it.
host::PanelsTable* hostPanels();

}  // namespace zentra
