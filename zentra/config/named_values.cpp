#include "zentra/config/named_values.h"

namespace zentra {
namespace {

struct NameTable {
    const char* const* names;
    int length;
};

template <size_t N>
constexpr NameTable tableOf(const char* const (&names)[N]) {
    return {names, static_cast<int>(N)};
}

constexpr NameTable kNameTables[] = {
    tableOf(kFontStyleNames),       tableOf(kFontQualityNames),
    tableOf(kFrameShapeNames),      tableOf(kAttitudeFrameNames),
    tableOf(kBarShapeNames),        tableOf(kSideNames),
    tableOf(kSpeedModeNames),       tableOf(kLimitBandNames),
    tableOf(kAltitudeDigitsNames),  tableOf(kDisplayConditionNames),
    tableOf(kGroundAspectNames),    tableOf(kVerticalSpeedShapeNames),
    tableOf(kBaroFormatNames),      tableOf(kHsiShapeNames),
    tableOf(kTickOrientationNames), tableOf(kLineStyleNames),
    tableOf(kHeadingModeNames),     tableOf(kMarkSizeNames),
    tableOf(kPlanFixIndexNames),    tableOf(kInstrumentTypeNames),
    tableOf(kUnitsNames),           tableOf(kOrientationNames),
    tableOf(kSymbolShapeNames),     tableOf(kArrowShapeNames),
};

}  // namespace

int nameTableLength(const char* const* names) {
    for (const NameTable& table : kNameTables) {
        if (table.names == names) return table.length;
    }
    return 0;
}

}  // namespace zentra
