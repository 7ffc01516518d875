#include "platform/gfx/gfx_init.h"

#include <fontconfig/fontconfig.h>

#include <mutex>

namespace platform::gfx::detail {

void ensureInitialised() {
    // Font configuration loads once; render threads may be the first users.
    static std::once_flag once;
    std::call_once(once, [] { FcInit(); });
}

#if defined(__SANITIZE_THREAD__)
namespace {
std::recursive_mutex& cairoMutex() {
    static std::recursive_mutex m;
    return m;
}
}  // namespace
CairoLock::CairoLock() { cairoMutex().lock(); }
CairoLock::~CairoLock() { cairoMutex().unlock(); }
#else
CairoLock::CairoLock() = default;
CairoLock::~CairoLock() = default;
#endif

}  // namespace platform::gfx::detail
