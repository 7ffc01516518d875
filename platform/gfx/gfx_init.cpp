#include "platform/gfx/gfx_init.h"

#include <fontconfig/fontconfig.h>

#include <mutex>

namespace platform::gfx::detail {

void ensureInitialised() {
    // Font configuration loads once; render threads may be the first users.
    static std::once_flag once;
    std::call_once(once, [] { FcInit(); });
}

}  // namespace platform::gfx::detail
