#include "zentra/draw/text_format.h"

#include <gtest/gtest.h>

namespace zentra {
namespace {

TEST(PowerOfTen, SmallPowersAndNonPositive) {
    const struct {
        int n;
        int expected;
    } cases[] = {{-3, 1}, {0, 1}, {1, 10}, {2, 100}, {3, 1000}, {5, 100000}, {9, 1000000000}};
    for (const auto& c : cases) EXPECT_EQ(powerOfTen(c.n), c.expected) << c.n;
}

TEST(PowerOfTen, SaturatesInsteadOfOverflowing) {
    EXPECT_EQ(powerOfTen(10), 1000000000);
    EXPECT_EQ(powerOfTen(40), 1000000000);
}

TEST(FormatDuration, MinutesBelowAnHourThenHoursOfTheDay) {
    const struct {
        int seconds;
        const char* expected;
    } cases[] = {
        {0, "00'00"},    {59, "00'59"},    {61, "01'01"},    {3599, "59'59"}, {3600, "01:00"},
        {3661, "01:01"}, {86399, "23:59"}, {90000, "01:00"}, {-5, "00'00"},
    };
    for (const auto& c : cases) EXPECT_EQ(formatDuration(c.seconds), c.expected) << c.seconds;
}

TEST(CompassLabel, CardinalLettersElseTensOfDegrees) {
    const struct {
        int degrees;
        const wchar_t* expected;
    } cases[] = {{0, L"N"}, {90, L"E"},   {180, L"S"},  {270, L"W"}, {30, L"3"},
                 {5, L"0"}, {120, L"12"}, {360, L"36"}, {-30, L"-3"}};
    for (const auto& c : cases) EXPECT_EQ(compassLabel(c.degrees), c.expected) << c.degrees;
}

}  // namespace
}  // namespace zentra
