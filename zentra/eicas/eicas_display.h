#pragma once
// The engine and alerting display; its instruments read section "EICAS".
#include "zentra/frame/display_base.h"

namespace zentra {

class EicasDisplay : public DisplayBase {
  public:
    explicit EicasDisplay(host::GaugeHeader* header);
};

}  // namespace zentra
