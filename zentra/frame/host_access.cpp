#include "zentra/frame/host_access.h"

// Declared with its export attribute in host_access.h.
host::ImportTable ImportTable{};

namespace zentra {

host::PanelsTable* hostPanels() { return ImportTable.panels.table; }

}  // namespace zentra
