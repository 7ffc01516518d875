#pragma once
// Process-wide start and end of the graphics layer. The objects of
// platform::gfx also work without it (set-up is done once, on first use);
// callers that mirror the original start-up sequence call these in pairs.
#include <cstdint>

#include "platform/gfx/status.h"

namespace platform::gfx {

// version must be 1. token receives a non-zero value for shutdown.
Status startup(uintptr_t* token, uint32_t version = 1);
// Unknown or already used tokens are ignored.
void shutdown(uintptr_t token);
// Number of start-ups not yet shut down.
int activeStartups();

}  // namespace platform::gfx
