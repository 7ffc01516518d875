#include "zentra/pfd/pfd_styles.h"

#include <cstdio>

#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"

namespace zentra {

namespace {

class StyleLoader {
  public:
    StyleLoader(const char* file, const char* section, StyleTable& styles)
        : file_(file), section_(section), styles_(styles) {}

    // Colour with a text default; the transparent flag kept when asked.
    void text(int slot, StyleKind kind, const char* colorKey, const char* def,
              const char* widthKey = nullptr, float widthDefault = 1.0f,
              bool keepTransparent = false) {
        int transparent = 0;
        const uint32_t color = readColor(file_, section_, colorKey, def, &transparent);
        set(slot, kind, color, widthKey, widthDefault, keepTransparent && transparent != 0);
    }
    // Colour whose default is another slot's configured colour.
    void from(int slot, StyleKind kind, const char* colorKey, int defaultSlot,
              const char* widthKey = nullptr, float widthDefault = 1.0f) {
        const uint32_t def = styles_.style(defaultSlot).configuredColor;
        set(slot, kind, readColorValue(file_, section_, colorKey, def), widthKey, widthDefault,
            false);
    }
    // Another slot's colour, no key of its own.
    void same(int slot, StyleKind kind, int colorSlot, const char* widthKey,
              float widthDefault = 1.0f) {
        set(slot, kind, styles_.style(colorSlot).configuredColor, widthKey, widthDefault, false);
    }
    float width(int slot) const { return styles_.style(slot).width; }

  private:
    void set(int slot, StyleKind kind, uint32_t color, const char* widthKey, float widthDefault,
             bool transparent) {
        const float w =
            widthKey != nullptr ? readFloat(file_, section_, widthKey, widthDefault) : widthDefault;
        styles_.setStyle(slot, kind, color, w, transparent);
    }

    const char* file_;
    const char* section_;
    StyleTable& styles_;
};

bool bandHasLine(LimitBand b) { return b != LimitBand::None; }
bool bandHasFill(LimitBand b) { return b == LimitBand::Dots || b == LimitBand::Scale; }

// Colour slot whose value an info field's colour takes by default.
int infoColorDefault(int field) {
    switch (field) {
        case kInfoFD:
        case kInfoATHR:
        case kInfoYawDamper:
            return kStyleInfoFirst + kInfoAP;
        case kInfoAPAltitude:
        case kInfoAPHeading:
            return kStyleInfoFirst + kInfoAPSpeed;
        case kInfoBaro:
            return kStyleInfoFirst + kInfoGS;
        case kInfoVS:
            return kStyleInfoFirst + kInfoMach;
        case kInfoVOR1Bearing:
        case kInfoVOR1Distance:
        case kInfoVOR2Id:
            return 77;
        case kInfoVOR2Bearing:
        case kInfoVOR2Distance:
        case kInfoADFId:
            return 78;
        case kInfoADFBearing:
        case kInfoWaypointId:
            return 79;
        case kInfoWaypointBearing:
        case kInfoWaypointDistance:
        case kInfoCourse:
            return 83;
        default:
            return kStyleForeground;
    }
}

// Font slot whose face and size an info field's font takes; -1: "Courier" 75.
int infoFontDefault(int field) {
    switch (field) {
        case kInfoFD:
        case kInfoATHR:
        case kInfoYawDamper:
            return kFontInfoFirst + kInfoAP;
        case kInfoAPAltitude:
        case kInfoAPHeading:
            return kFontInfoFirst + kInfoAPSpeed;
        case kInfoDH:
            return kFontInfoFirst + kInfoGS;
        case kInfoBaro:
            return kFontInfoFirst + kInfoMach;
        case kInfoVOR1Bearing:
        case kInfoVOR1Distance:
        case kInfoVOR2Id:
        case kInfoADFId:
        case kInfoWaypointId:
        case kInfoCourse:
            return kFontInfoFirst + kInfoVOR1Id;
        case kInfoVOR2Bearing:
        case kInfoVOR2Distance:
            return kFontInfoFirst + kInfoVOR2Id;
        case kInfoADFBearing:
            return kFontInfoFirst + kInfoADFId;
        case kInfoWaypointBearing:
        case kInfoWaypointDistance:
            return kFontInfoFirst + kInfoWaypointId;
        default:
            return -1;
    }
}

}  // namespace

void loadPfdStyles(const char* file, const char* section, const PfdSettings& settings,
                   StyleTable& styles) {
    using K = StyleKind;
    styles.reset(kPfdStyleSlots);
    StyleLoader l(file, section, styles);
    const LimitBand minBand = settings.speed.minSpeedShape;
    const LimitBand maxBand = settings.speed.maxSpeedShape;
    const bool hatch = settings.altitude.groundAspect == GroundAspect::Hatch;

    l.text(0, K::PenAndFill, "ForegroundColor", "WHITE", "ForegroundThickness");
    l.text(1, K::PenAndFill, "BackgroundColor", "BLACK");
    l.text(2, K::PenAndFill, "APArmColor", "WHITE", "APArmThickness", 1.0f, true);
    l.text(3, K::PenAndFill, "APEngageColor", "WHITE", "APEngageThickness", l.width(2), true);
    l.text(4, K::Fill, "EarthColor", "200,100,0");
    l.text(5, K::Fill, "SkyColor", "50,50,255");
    l.from(6, K::PenAndFill, "AttitudeForegroundColor", 0, "AttitudeForegroundThickness");
    l.text(7, K::Pen, "AttitudeBarForegroundColor", "YELLOW", "AttitudeBarForegroundThickness");
    l.text(8, K::Fill, "AttitudeBarBackgroundColor", "BLACK");
    l.same(9, K::Pen, 6, "AttitudeFrameThickness");
    l.text(10, K::Pen, "FlightDirectorForegroundColor", "GREEN", "FlightDirectorThickness");
    l.text(11, K::Fill, "FlightDirectorBackgroundColor", "MAGENTA", nullptr, 1.0f, true);
    l.text(12, K::Fill, "RadioAltitudeFontColor", "WHITE");
    l.text(13, K::Fill, "RadioAltitudeBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.text(14, K::Fill, "AttitudeBankIndicatorBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.from(15, K::PenAndFill, "SpeedTapeForegroundColor", 0, "SpeedTapeThickness");
    l.from(16, K::Fill, "SpeedTapeBackgroundColor", 1);
    l.text(17, bandHasLine(minBand) ? K::Pen : K::None, "SpeedTapeMinSpeedColor", "WHITE",
           "SpeedTapeMinSpeedThickness");
    l.text(18, bandHasFill(minBand) ? K::Fill : K::None, "SpeedTapeMinSpeedColor", "WHITE");
    if (maxBand == LimitBand::Line) {
        l.text(19, K::Pen, "SpeedTapeMaxSpeedColor", "WHITE", "SpeedTapeMaxSpeedThickness");
    } else {
        l.text(19, bandHasLine(maxBand) ? K::Pen : K::None, "SpeedTapeMaxSpeedColor", "WHITE");
    }
    l.text(20, bandHasFill(maxBand) ? K::Fill : K::None, "SpeedTapeMaxSpeedColor", "WHITE");
    l.text(21, K::Pen, "SpeedTapeRefSpeedColor", "WHITE", "SpeedTapeRefThickness");
    l.from(22, K::Pen, "SpeedWindowForegroundColor", 15, "SpeedWindowThickness");
    l.from(23, K::Fill, "SpeedWindowBackgroundColor", 16);
    l.from(24, K::Fill, "SpeedWindowFontColor", 22);
    l.text(25, K::Pen, "SpeedIndicatorColor", "WHITE", "SpeedIndicatorThickness");
    l.text(26, K::Pen, "SpeedIndexColor", "WHITE", "SpeedIndexThickness");
    l.text(27, K::Fill, "SpeedIndexColor", "WHITE");
    l.from(28, K::PenAndFill, "AltitudeTapeForegroundColor", 15, "AltitudeTapeThickness");
    l.from(29, K::Fill, "AltitudeTapeBackgroundColor", 16);
    l.text(30, K::Pen, "AltitudeGroundColor", "WHITE");
    // The ground line's thickness is read with the shape keys; a hatch keeps 1.
    if (!hatch) {
        styles.setStyle(30, K::Pen, styles.style(30).configuredColor,
                        settings.altitude.groundThickness);
    }
    l.text(31, hatch ? K::PenAndDiagonalHatch : K::None, "AltitudeGroundColor", "WHITE");
    l.from(32, K::Pen, "AltitudeWindowForegroundColor", 28, "AltitudeWindowThickness");
    l.from(33, K::Fill, "AltitudeWindowBackgroundColor", 29);
    l.text(34, K::Fill, "AltitudeWindowFontColor", "WHITE");
    l.from(35, K::Pen, "FMAForegroundColor", 0, "FMAForegroundThickness");
    l.text(36, K::Fill, "FMABackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.text(37, K::Fill, "FMAFontColor", "WHITE");
    l.from(38, K::Pen, "ILSScaleColor", 0, "ILSScaleThickness");
    l.text(39, K::Pen, "ILSIndicatorColor", "WHITE", "ILSIndicatorThickness");
    l.text(40, K::Fill, "VSBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.from(41, K::PenAndFill, "VSForegroundColor", 0, "VSForegroundThickness");
    l.text(42, K::PenAndFill, "VSIndicatorColor", "WHITE", "VSIndicatorThickness");
    l.text(43, K::PenAndFill, "VSHighIndicatorColor", "WHITE");
    styles.setStyle(43, K::PenAndFill, styles.style(43).configuredColor, l.width(42));
    l.text(69, K::Fill, "OMIBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.text(70, K::Fill, "OMIOuterColor", "WHITE");
    l.text(71, K::Fill, "OMIMiddleColor", "WHITE");
    l.text(72, K::Fill, "OMIInnerColor", "WHITE");
    l.text(73, K::Fill, "HSIBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.from(74, K::PenAndFill, "HSIForegroundColor", 0, "HSIForegroundThickness", l.width(0));
    l.from(75, K::Pen, "HSIIndexColor", 74, "HSIIndexThickness", l.width(74));
    l.from(76, K::Fill, "HSIFontColor", 74);
    l.text(77, K::Pen, "VOR1NeedleColor", "WHITE", "VOR1NeedleThickness");
    l.text(78, K::Pen, "VOR2NeedleColor", "WHITE", "VOR2NeedleThickness");
    l.text(79, K::Pen, "ADFNeedleColor", "WHITE", "ADFNeedleThickness");
    l.text(80, K::Pen, "OBINeedleColor", "WHITE", "OBINeedleThickness");
    l.text(81, K::Pen, "CDINeedleColor", "WHITE", "OBINeedleThickness");
    l.text(82, K::Fill, "OBIFromToBackgroundColor", "BLACK", nullptr, 1.0f, true);
    l.text(83, K::Pen, "GPSNeedleColor", "WHITE", "GPSNeedleThickness");
    const K headingKind = settings.hsi.headingLineStyle == 1 ? K::LongDashPen : K::Pen;
    l.same(84, headingKind, 2, "HeadingLineThickness");
    l.same(85, headingKind, 3, "HeadingLineThickness");

    char key[64];
    for (int i = 0; i < kPfdInfoFields; ++i) {
        std::snprintf(key, sizeof key, "Info%sColor", kPfdInfoFieldNames[i]);
        l.from(kStyleInfoFirst + i, K::Fill, key, infoColorDefault(i));
    }
    for (int i = 0; i < kPfdUserMessages; ++i) {
        std::snprintf(key, sizeof key, "UserMessage%dColor", i + 1);
        l.from(kStyleUserMessageFirst + i, K::Fill, key, kStyleForeground);
    }
}

void loadPfdFonts(const char* file, const char* section, FontTable& fonts) {
    fonts.reset(kPfdFontSlots);
    char faceKey[64];
    char sizeKey[64];
    // Face and size keys; defaults from another slot when given, else "Courier" 75.
    const auto load = [&](int slot, const char* face, const char* size, int fromSlot,
                          int32_t style = 0) {
        const FontSpec* base = fromSlot >= 0 ? &fonts.fontSpec(fromSlot) : nullptr;
        const std::wstring faceName =
            readWideText(file, section, face, base ? base->face.c_str() : L"Courier");
        const int32_t px = readInt(file, section, size, base ? base->size : 75);
        fonts.setFont(slot, px, style, faceName);
    };
    const auto styleOf = [&](const char* key) {
        return readNamed(file, section, key, countOf(kFontStyleNames), kFontStyleNames, 0);
    };

    // The style key follows its face and size keys.
    load(0, "AttitudeFont", "AttitudeFontSize", -1);
    fonts.setFont(0, fonts.fontSpec(0).size, styleOf("AttitudeFontStyle"), fonts.fontSpec(0).face);
    load(1, "RadioAltitudeFont", "RadioAltitudeFontSize", -1);
    fonts.setFont(1, fonts.fontSpec(1).size, styleOf("RadioAltitudeFontStyle"),
                  fonts.fontSpec(1).face);
    load(2, "SpeedTapeFont", "SpeedTapeFontSize", -1);
    load(3, "SpeedWindowFont", "SpeedWindowFontSize", -1);
    load(4, "SpeedWindowRollingFont", "SpeedWindowRollingFontSize", 3);
    load(5, "AltitudeTapeFont", "AltitudeTapeFontSize", 2);
    load(6, "AltitudeWindowFont", "AltitudeWindowFontSize", 3);
    load(7, "AltitudeWindowRollingFont", "AltitudeWindowRollingFontSize", 6);
    load(8, "FMAFont", "FMAFontSize", -1);
    load(9, "VSFont", "VSFontSize", -1);
    for (int i = 0; i < kPfdInfoFields; ++i) {
        std::snprintf(faceKey, sizeof faceKey, "Info%sFont", kPfdInfoFieldNames[i]);
        std::snprintf(sizeKey, sizeof sizeKey, "Info%sFontSize", kPfdInfoFieldNames[i]);
        load(kFontInfoFirst + i, faceKey, sizeKey, infoFontDefault(i));
    }
    load(35, "OMIFont", "OMIFontSize", -1);
    load(36, "HSIFont", "HSIFontSize", -1);
    const FontSpec& hsi = fonts.fontSpec(36);
    fonts.setFont(37, readInt(file, section, "HSISmallFontSize", hsi.size / 2), 0, hsi.face);
    for (int i = 0; i < kPfdUserMessages; ++i) {
        std::snprintf(faceKey, sizeof faceKey, "UserMessage%dFont", i + 1);
        std::snprintf(sizeKey, sizeof sizeKey, "UserMessage%dFontSize", i + 1);
        load(kFontUserMessageFirst + i, faceKey, sizeKey, -1);
    }
}

}  // namespace zentra
