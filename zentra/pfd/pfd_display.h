#pragma once
// The primary flight display; its instruments read section "PFD".
#include "zentra/frame/display_base.h"

namespace zentra {

class PfdDisplay : public DisplayBase {
  public:
    explicit PfdDisplay(host::GaugeHeader* header);
};

}  // namespace zentra
