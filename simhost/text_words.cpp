#include "simhost/text_words.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace simhost {

std::string_view trimBlanks(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

std::string lowerCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<std::vector<std::string>> splitWords(std::string_view line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < line.size()) {
        const char c = line[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '#') {
            break;
        } else if (c == '"') {
            const size_t end = line.find('"', i + 1);
            if (end == std::string_view::npos) return std::nullopt;
            words.emplace_back(line.substr(i + 1, end - i - 1));
            i = end + 1;
        } else {
            size_t end = i;
            while (end < line.size() && !std::isspace(static_cast<unsigned char>(line[end])) &&
                   line[end] != '#' && line[end] != '"')
                ++end;
            words.emplace_back(line.substr(i, end - i));
            i = end;
        }
    }
    return words;
}

std::optional<double> parseNumber(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    double v = 0.0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<long long> parseInteger(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty()) return std::nullopt;
    if (text.front() == '+') text.remove_prefix(1);
    long long v = 0;
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || p != text.data() + text.size()) return std::nullopt;
    return v;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view l = text.substr(start, end - start);
        if (!l.empty() && l.back() == '\r') l.remove_suffix(1);
        lines.emplace_back(l);
        if (end == text.size()) break;
        start = end + 1;
    }
    return lines;
}

}  // namespace simhost
