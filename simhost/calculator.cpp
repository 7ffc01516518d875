#include "simhost/calculator.h"

#include <cctype>
#include <charconv>

namespace simhost {
namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

}  // namespace

std::optional<CalculatorRef> parseCalculatorRef(std::string_view code) {
    std::string_view s = trim(code);
    if (s.size() < 5 || s.front() != '(' || s.back() != ')') return std::nullopt;
    s = s.substr(1, s.size() - 2);
    const size_t colon = s.find(':');
    const size_t comma = s.find(',');
    if (colon == std::string_view::npos || comma == std::string_view::npos || colon > comma)
        return std::nullopt;
    std::string_view kind = trim(s.substr(0, colon));
    if (kind.size() != 1) return std::nullopt;
    CalculatorRef ref;
    ref.kind = static_cast<char>(std::toupper(static_cast<unsigned char>(kind[0])));
    if (ref.kind != 'A' && ref.kind != 'P' && ref.kind != 'L') return std::nullopt;
    std::string_view name = trim(s.substr(colon + 1, comma - colon - 1));
    const size_t indexColon = name.rfind(':');
    if (indexColon != std::string_view::npos) {
        std::string_view idx = trim(name.substr(indexColon + 1));
        auto [p, ec] = std::from_chars(idx.data(), idx.data() + idx.size(), ref.index);
        if (ec != std::errc() || p != idx.data() + idx.size() || ref.index < 0) return std::nullopt;
        name = trim(name.substr(0, indexColon));
    }
    ref.name = std::string(name);
    ref.units = std::string(trim(s.substr(comma + 1)));
    if (ref.name.empty() || ref.units.empty()) return std::nullopt;
    return ref;
}

}  // namespace simhost
