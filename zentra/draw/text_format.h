#pragma once
// Small formatting helpers shared by the instruments' lettering.
#include <string>

namespace zentra {

// 10 to the power n; 1 for any n below 1. Powers beyond the int range
// saturate at the largest power of ten that fits.
int powerOfTen(int n);

// Elapsed time: "mm'ss" below one hour, "hh:mm" (hours of the day) from
// one hour on. Negative durations read as 0.
std::string formatDuration(int seconds);

// Compass card label: "N", "E", "S", "W" at the cardinal points, else the
// tens of degrees ("3" for 30, "36" for 360).
std::wstring compassLabel(int degrees);

}  // namespace zentra
