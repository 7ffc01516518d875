#include "zentra/frame/frame_settings.h"

#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"

namespace zentra {

FrameSettings readFrameSettings(const char* file, const char* section) {
    FrameSettings s;
    s.popupWindowId = readInt(file, section, "PopupWindowId", 0);
    s.quality.fontQuality = FontQuality(
        readNamed(file, section, "FontQuality", countOf(kFontQualityNames), kFontQualityNames, 2));
    s.quality.antiAliasing = readBool(file, section, "AntiAliasing", 1) != 0;
    s.dayBrightness = float(readDouble(file, section, "DayBrightness", 1.0));
    s.nightBrightness = float(readDouble(file, section, "NightBrightness", 0.4));
    s.sizeX = readFloat(file, section, "SizeX", 1000.0f);
    s.sizeY = readFloat(file, section, "SizeY", 1000.0f);
    s.ignoredRedraws = readInt(file, section, "IgnoredRedraws", 0);
    s.multiThreading = readBool(file, section, "MultiThreading", 1) == 1;
    // Buffering needs the render thread: without it the key is not read.
    s.doubleBuffering = s.multiThreading && readBool(file, section, "DoubleBuffering", 1) == 1;
    return s;
}

}  // namespace zentra
