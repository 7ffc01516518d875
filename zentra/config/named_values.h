#pragma once
// The words the configuration accepts and the values they stand for. One set
// of fixed tables serves every display; an enumerated value is the position
// of its name in the table.
#include <cstddef>
#include <cstdint>

namespace zentra {

struct ColorName {
    const char* name;
    uint32_t value;  // 0x00BBGGRR
};

// Tried in this order; "TRANSPARENT" is handled by parseColor itself.
inline constexpr ColorName kColorNames[] = {
    {"BLACK", 0x000000},   {"WHITE", 0xFFFFFF}, {"GREY", 0x646464}, {"RED", 0x0000FF},
    {"GREEN", 0x00FF00},   {"BLUE", 0xFF0000},  {"CYAN", 0xFFFF00}, {"YELLOW", 0x00FFFF},
    {"MAGENTA", 0xFF00FF}, {"AMBER", 0x0096FF},
};
inline constexpr const char* kTransparentWord = "TRANSPARENT";

// Alignment bits, the same as TextAnchor's.
inline constexpr int kAlignLeft = 1;
inline constexpr int kAlignCenter = 2;
inline constexpr int kAlignRight = 4;
inline constexpr int kAlignTop = 8;
inline constexpr int kAlignBase = 16;
inline constexpr int kAlignBottom = 32;
inline constexpr int kAlignMiddle = 64;

struct AlignmentName {
    const char* name;
    int value;
};

inline constexpr AlignmentName kAlignmentNames[] = {
    {"LEFT", 9},           {"TOP_LEFT", 9},      {"BOTTOM_LEFT", 33},   {"BASE_LEFT", 17},
    {"CENTER_LEFT", 65},   {"RIGHT", 12},        {"TOP_RIGHT", 12},     {"BOTTOM_RIGHT", 36},
    {"BASE_RIGHT", 20},    {"CENTER_RIGHT", 68}, {"CENTER", 10},        {"TOP_CENTER", 10},
    {"BOTTOM_CENTER", 34}, {"BASE_CENTER", 18},  {"CENTER_CENTER", 66},
};

// Name tables for readNamed, value = position.
inline constexpr const char* kFontStyleNames[] = {"REGULAR", "BOLD", "ITALIC", "BOLD_ITALIC",
                                                  "UNDERLINE"};
inline constexpr const char* kFontQualityNames[] = {"DEFAULT", "SINGLE_BIT", "ANTIALIASED",
                                                    "CLEAR_TYPE"};
inline constexpr const char* kFrameShapeNames[] = {"NONE", "RECTANGLE", "ROUND_RECTANGLE", "CIRCLE",
                                                   "OVAL"};
inline constexpr const char* kAttitudeFrameNames[] = {"NONE", "FULL", "TOP"};
inline constexpr const char* kBarShapeNames[] = {"NONE", "V_SHAPE", "BAR_SHAPE"};
inline constexpr const char* kSideNames[] = {"NONE", "LEFT", "RIGHT", "BOTH"};
inline constexpr const char* kSpeedModeNames[] = {"ABSOLUTE", "RELATIVE"};
inline constexpr const char* kLimitBandNames[] = {"NONE", "LINE", "DOTS", "SCALE"};
inline constexpr const char* kAltitudeDigitsNames[] = {"FULL", "HUNDREDS", "THOUSANDS", "HUNDREDTH",
                                                       "THOUSANDTH"};
inline constexpr const char* kDisplayConditionNames[] = {"NEVER", "ON_SIGNAL", "ALWAYS"};
inline constexpr const char* kGroundAspectNames[] = {"NONE", "HATCH", "BAR", "DOUBLE_BAR"};
inline constexpr const char* kVerticalSpeedShapeNames[] = {"SCALE", "NEEDLE", "ARC"};
inline constexpr const char* kBaroFormatNames[] = {"NONE", "IN_HG", "MB"};
inline constexpr const char* kHsiShapeNames[] = {"TAPE", "DISC"};
inline constexpr const char* kTickOrientationNames[] = {"INTERIOR", "EXTERIOR"};
inline constexpr const char* kLineStyleNames[] = {"NONE", "DASHED", "FULL"};
inline constexpr const char* kHeadingModeNames[] = {"ARC", "ROSE"};
inline constexpr const char* kMarkSizeNames[] = {"NONE", "THIN", "THICK", "TRIANGLE"};
inline constexpr const char* kPlanFixIndexNames[] = {"NONE", "NORTH_ONLY", "ALL_DIRECTIONS"};
inline constexpr const char* kInstrumentTypeNames[] = {"NONE", "QUADRANT", "RING",
                                                       "BAR",  "STACK",    "TEXT"};
inline constexpr const char* kUnitsNames[] = {"US", "METRIC"};
inline constexpr const char* kOrientationNames[] = {"HORIZONTAL", "VERTICAL"};
inline constexpr const char* kSymbolShapeNames[] = {"NONE",
                                                    "LINE",
                                                    "TRIANGLE",
                                                    "LINE_TRIANGLE",
                                                    "SQUARE",
                                                    "CIRCLE",
                                                    "DIAMOND",
                                                    "LONG_DIAMOND",
                                                    "STAR",
                                                    "AP_SHAPE_SMALL",
                                                    "AP_SHAPE_BIG",
                                                    "AP_SHAPE_SMALL_MIRRORED",
                                                    "AP_SHAPE_BIG_MIRRORED",
                                                    "DOUBLE_TRIANGLE",
                                                    "DOUBLE_TRIANGLE_MIRRORED",
                                                    "RECTANGLE"};
inline constexpr const char* kArrowShapeNames[] = {"NONE",  "THIN", "DOUBLE",
                                                   "THICK", "END",  "STANDARD"};

// Boolean words: these read 1 and 0; any other text reads the default.
inline constexpr const char* kTrueWords[] = {"YES", "TRUE", "1", "ON"};
inline constexpr const char* kFalseWords[] = {"NO", "FALSE", "0", "OFF"};

template <typename T, size_t N>
constexpr int countOf(const T (&)[N]) {
    return static_cast<int>(N);
}

// Every name table above with its length, so a checker can tell a name
// beyond a caller's count from an unknown word. Null names: 0.
int nameTableLength(const char* const* names);

}  // namespace zentra
