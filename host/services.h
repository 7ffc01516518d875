#pragma once
// Service ids the host passes to a gauge callback.
#include <cstdint>

namespace host {

enum ServiceId : int32_t {
    kPreQuery = 0,
    kPostQuery = 1,
    kPreInstall = 2,
    kPostInstall = 3,
    kPreInitialize = 4,
    kPostInitialize = 5,
    kPreUpdate = 6,
    kPostUpdate = 7,
    kPreGenerate = 8,
    kPostGenerate = 9,
    kPreDraw = 10,
    kPostDraw = 11,
    kPreKill = 12,
    kPostKill = 13,
    kConnectToWindow = 14,
    kDisconnect = 15,
    kPanelOpen = 16,
    kPanelClose = 17,
};

}  // namespace host
