#pragma once
// Small text helpers shared by the panel and scenario readers: trimming,
// splitting a line into words (double quotes keep blanks, '#' outside quotes
// starts a comment) and strict number parsing.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace simhost {

std::string_view trimBlanks(std::string_view s);
std::string lowerCase(std::string_view s);

// Nothing when a quote is left open.
std::optional<std::vector<std::string>> splitWords(std::string_view line);

// Whole text must be a finite number / an integer.
std::optional<double> parseNumber(std::string_view text);
std::optional<long long> parseInteger(std::string_view text);

// Lines of a text, without their line ends.
std::vector<std::string> splitLines(std::string_view text);

}  // namespace simhost
