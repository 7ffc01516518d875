#include "zentra/draw/display_text.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(DisplayText, UnderscoresBecomeSpacesAndHighBytesAreLatin1) {
    EXPECT_EQ(toDisplayText("TO_WPT"), L"TO WPT");
    EXPECT_EQ(toDisplayText("__"), L"  ");
    EXPECT_EQ(toDisplayText("12\xB0"), std::wstring(L"12") + wchar_t(0xB0));
    EXPECT_EQ(toDisplayText("\xE9\xFF"), std::wstring() + wchar_t(0xE9) + wchar_t(0xFF));
    EXPECT_EQ(toDisplayText(""), L"");
    EXPECT_EQ(toDisplayText(nullptr), L"");
}

}  // namespace
}  // namespace zentra
