#include "zentra/draw/text_format.h"

#include <cstdio>

namespace zentra {

int powerOfTen(int n) {
    int result = 1;
    for (int i = 0; i < n && result <= 100000000; ++i) result *= 10;
    return result;
}

std::string formatDuration(int seconds) {
    if (seconds < 0) seconds = 0;
    const int minutes = seconds / 60;
    char text[16];
    if (minutes < 60) {
        std::snprintf(text, sizeof text, "%02d'%02d", minutes, seconds % 60);
    } else {
        std::snprintf(text, sizeof text, "%02d:%02d", (minutes / 60) % 24, minutes % 60);
    }
    return text;
}

std::wstring compassLabel(int degrees) {
    switch (degrees) {
        case 0:
            return L"N";
        case 90:
            return L"E";
        case 180:
            return L"S";
        case 270:
            return L"W";
        default:
            return std::to_wstring(degrees / 10);
    }
}

}  // namespace zentra
