#include "platform/gfx/startup.h"

#include <mutex>
#include <set>

#include "platform/gfx/gfx_init.h"

namespace platform::gfx {
namespace {

std::mutex& tokenMutex() {
    static std::mutex m;
    return m;
}
std::set<uintptr_t>& liveTokens() {
    static std::set<uintptr_t> tokens;
    return tokens;
}
uintptr_t nextToken = 1;

}  // namespace

Status startup(uintptr_t* token, uint32_t version) {
    if (token == nullptr) return Status::InvalidParameter;
    if (version != 1) return Status::UnsupportedVersion;
    detail::ensureInitialised();
    std::lock_guard lock(tokenMutex());
    *token = nextToken++;
    liveTokens().insert(*token);
    return Status::Ok;
}

void shutdown(uintptr_t token) {
    // Fonts and caches stay for the life of the process: other start-ups
    // may still use them, and objects may outlive their start-up.
    std::lock_guard lock(tokenMutex());
    liveTokens().erase(token);
}

int activeStartups() {
    std::lock_guard lock(tokenMutex());
    return int(liveTokens().size());
}

}  // namespace platform::gfx
