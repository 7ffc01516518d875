#pragma once
// Wide text to and from UTF-8, for the font libraries and the record files.
#include <string>
#include <string_view>

namespace platform::gfx::detail {

// Code points outside Unicode become U+FFFD.
std::string toUtf8(std::wstring_view text);
std::wstring fromUtf8(std::string_view text);

}  // namespace platform::gfx::detail
