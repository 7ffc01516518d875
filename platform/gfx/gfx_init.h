#pragma once
// One-time, thread-safe set-up of the libraries under the graphics layer.

namespace platform::gfx::detail {

void ensureInitialised();

}  // namespace platform::gfx::detail
