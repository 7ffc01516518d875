#pragma once
// The navigation display; its instruments read section "ND".
#include "zentra/frame/display_base.h"

namespace zentra {

class NdDisplay : public DisplayBase {
  public:
    explicit NdDisplay(host::GaugeHeader* header);
};

}  // namespace zentra
