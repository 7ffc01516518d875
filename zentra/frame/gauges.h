#pragma once
// The five gauges of the module, in the order Linkage lists them.
#include "host/gauge_header.h"

namespace zentra {

constexpr int kBackgroundBitmap = 4576;        // 100 x 100, black
constexpr int kMainGaugeBitmap = 4592;         // 10 x 10, black
constexpr uint32_t kBackgroundFlags = 0x1;     // transparency
constexpr uint32_t kSurfaceFlags = 0x24;       // bright, DIB section with a device context
constexpr uint32_t kDebugSurfaceFlags = 0x26;  // the same, erased

extern host::GaugeHeader mainGaugeHeader;
extern host::GaugeHeader debugGaugeHeader;
extern host::GaugeHeader pfdGaugeHeader;
extern host::GaugeHeader ndGaugeHeader;
extern host::GaugeHeader eicasGaugeHeader;

}  // namespace zentra
