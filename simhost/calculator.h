#pragma once
// The calculator expressions the host evaluates: one variable reference
// "(K:NAME[:INDEX], units)" where K is P (host state), A (aircraft
// variable) or L (named variable).
#include <optional>
#include <string>
#include <string_view>

namespace simhost {

struct CalculatorRef {
    char kind = 0;
    std::string name;  // as written, blanks around it trimmed
    int index = 0;
    std::string units;
};

// Nothing when the text is not such a reference.
std::optional<CalculatorRef> parseCalculatorRef(std::string_view code);

}  // namespace simhost
