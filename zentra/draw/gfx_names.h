#pragma once
// The graphics layer under its short name inside the module.
namespace platform::gfx {}

namespace zentra {
namespace gfx = platform::gfx;
}  // namespace zentra
