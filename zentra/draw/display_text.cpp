#include "zentra/draw/display_text.h"

namespace zentra {

std::wstring toDisplayText(const char* text) {
    std::wstring out;
    if (text == nullptr) return out;
    for (const char* p = text; *p != '\0'; ++p) {
        const auto byte = static_cast<unsigned char>(*p);
        out.push_back(byte == '_' ? L' ' : static_cast<wchar_t>(byte));
    }
    return out;
}

}  // namespace zentra
