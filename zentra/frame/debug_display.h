#pragma once
// The debug gauge: a text panel for development, section "Debug".
#include "zentra/frame/display_base.h"

namespace zentra {

class DebugDisplay : public DisplayBase {
  public:
    explicit DebugDisplay(host::GaugeHeader* header);
};

}  // namespace zentra
