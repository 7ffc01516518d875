#pragma once
// Narrow configuration and host text made wide for drawing.
#include <string>

namespace zentra {

// Underscores become spaces; bytes 0x80 and up are taken as Latin-1, so the
// byte 0xB0 is the degree sign. A null text gives an empty string.
std::wstring toDisplayText(const char* text);

}  // namespace zentra
