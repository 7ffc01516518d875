#pragma once
// The PFD's configuration: every key of section "PFD" that is not a colour
// or a font, grouped by the element that reads it. Member initialisers are
// the defaults; a key skipped by its condition keeps them.
#include <array>
#include <cstdint>
#include <string>

#include "zentra/config/config_reader.h"
#include "zentra/simdata/data_source.h"

namespace zentra {

// Positions of the names in the configuration's tables.
enum class AttitudeShape : int32_t { None = 0, Rectangle, RoundRectangle, Circle, Oval };
enum class AttitudeFrame : int32_t { None = 0, Full, Top };
enum class AttitudeBarShape : int32_t { None = 0, VShape, BarShape };
enum class DigitLocation : int32_t { None = 0, Left, Right, Both };
enum class SpeedMode : int32_t { Absolute = 0, Relative };
enum class LimitBand : int32_t { None = 0, Line, Dots, Scale };
enum class GroundAspect : int32_t { None = 0, Hatch, Bar, DoubleBar };
enum class DisplayCondition : int32_t { Never = 0, OnSignal, Always };

struct AttitudeSettings {
    AttitudeShape shape = AttitudeShape::Rectangle;
    ConfigBox box{200, 200, 600, 600};
    ConfigPoint center{500, 500};
    int32_t cornerRatio = 10;
    float pitchVisibleRange = 20.0f;
    float bankIndexRadius = 425.0f;
    int32_t bankIndexSize = 50;
    bool bankUseTriangles = true;
    float bankTriangleSize = 60.0f;
    float digitOffset = 200.0f;
    float ladderStep = 2.5f;
    float ladderSize10 = 80.0f;
    float ladderSize5 = 60.0f;
    float ladderSize2_5 = 40.0f;
    bool ladderOriented = false;
    float ladderHeight = 10.0f;
    float bankIndicatorSize = 60.0f;
    AttitudeFrame frame = AttitudeFrame::None;
    AttitudeBarShape barShape = AttitudeBarShape::BarShape;
    ConfigBox barBox{150, 490, 100, 20};
    DigitLocation digitLocation = DigitLocation::Both;
    float barWidth = 150.0f;
    float barThickness = 20.0f;
    float flightDirectorHeight = 150.0f;
    float barPosition = 50.0f;
    float flightDirectorWidth = 150.0f;
    float barHeight = 50.0f;
};

struct SpeedSettings {
    LimitBand maxSpeedShape = LimitBand::Scale;
    LimitBand minSpeedShape = LimitBand::Scale;
    bool tape = true;
    bool window = false;
    SpeedMode mode = SpeedMode::Absolute;
    int32_t visibleRange = 200;
    float bigTickSize = 40.0f;
    int32_t indexShape = 3;  // SymbolShape LINE_TRIANGLE
    float indexSize = 40.0f;
    int32_t indicatorShape = 4;  // SymbolShape SQUARE
    float speedMin = 30.0f;
    int32_t step = 5;
    float smallTickSize = 20.0f;
    int32_t alignment = 4;
    bool verticalLine = true;
    bool borderLines = false;
    float scaleHeight = 15.0f;
    float minSpeedWidth = 10.0f;
    float maxSpeedWidth = 10.0f;
    int32_t windowTriangleSize = 40;
    int32_t windowAlignment = 2;
    int32_t rollingDigits = 1;
    int32_t rollingHeight = 0;
    int32_t rollingStep = 1;
};

struct AltitudeSettings {
    GroundAspect groundAspect = GroundAspect::Hatch;
    float groundThickness = 1.0f;
    bool tape = true;
    bool window = true;
    int32_t step = 50;
    float bigTickSize = 40.0f;
    float smallTickSize = 20.0f;
    bool verticalLine = true;
    int32_t visibleRange = 500;
    int32_t display = 0;  // FULL
    int32_t labelStep = 100;
    bool borderLines = false;
    int32_t alignment = 2;
    float windowTriangleSize = 40.0f;
    int32_t windowAlignment = 2;
    int32_t rollingDigits = 2;
    float rollingHeight = 0.0f;
    int32_t rollingStep = 10;
};

struct AnnunciatorSettings {
    bool fma = true;
    int32_t fmaColumns = 3;
    int32_t fmaLines = 2;
    DisplayCondition ilsDisplay = DisplayCondition::OnSignal;
    int32_t ilsScaleSize = 30;
    int32_t ilsScaleShape = 5;      // CIRCLE
    int32_t ilsIndicatorShape = 6;  // DIAMOND
    bool vsDisplay = true;
    double vsHighThreshold = 6500.0;
    bool vsDigitsVisible = true;
    int32_t vsShape = 1;  // NEEDLE
    float vsBigTickSize = 30.0f;
    float vsSmallTickSize = 20.0f;
    bool vsRadialTicks = true;
    int32_t vsRadius = 100;
    int32_t vsLabelRadius = 150;
    ConfigPoint omiPosition{-1000, -1000};
};

struct PointerSettings {
    int32_t arrowSize = 10;
    bool arrowClosed = false;
    int32_t arrowShape = 4;  // ArrowShape END
    int32_t arrowSpacing = 10;
};

struct HsiSettings {
    bool display = true;
    int32_t indexShape = 3;  // LINE_TRIANGLE
    float indexSize = 30.0f;
    float bigTickSize = 40.0f;
    float smallTickSize = 20.0f;
    float verySmallTickSize = 10.0f;
    bool borderLine = false;
    bool smallDigits = false;
    int32_t shape = 1;  // DISC
    ConfigBox tapeBox{200, 850, 600, 125};
    float visibleRange = 180.0f;
    ConfigPoint center{500, 1000};
    float radius = 300.0f;
    float labelRadius = 350.0f;
    int32_t tickOrientation = 0;  // INTERIOR
    bool index = false;
    std::array<PointerSettings, 3> pointers{};  // VOR1, VOR2, ADF
    int32_t obiCircleSize = 10;
    int32_t obiArrowSize = 10;
    bool obiArrowClosed = true;
    int32_t obiArrowShape = 1;  // THIN
    int32_t obiArrowSpacing = 10;
    float obiFromToLocation = 0.0f;
    int32_t obiFromToSize = 0;
    int32_t headingLineStyle = 0;  // NONE
    float headingLineTime = 1.0f;
};

constexpr int kPfdInfoFields = 25;
constexpr int kPfdUserMessages = 10;
constexpr size_t kUserMessageLength = 49;

// The fields in the order of their style and font slots: kPfdInfoFieldNames
// (zentra/simdata/data_source.h).
static_assert(kPfdInfoFieldNames.size() == kPfdInfoFields);

enum PfdInfoField : int {
    kInfoAP = 0,
    kInfoFD,
    kInfoATHR,
    kInfoYawDamper,
    kInfoAPSpeed,
    kInfoAPAltitude,
    kInfoAPHeading,
    kInfoMach,
    kInfoGS,
    kInfoTAS,
    kInfoDH,
    kInfoBaro,
    kInfoVS,
    kInfoVOR1Id,
    kInfoVOR1Bearing,
    kInfoVOR1Distance,
    kInfoVOR2Id,
    kInfoVOR2Bearing,
    kInfoVOR2Distance,
    kInfoADFId,
    kInfoADFBearing,
    kInfoWaypointId,
    kInfoWaypointBearing,
    kInfoWaypointDistance,
    kInfoCourse,
};

struct PfdInfoFieldSettings {
    std::wstring label;  // the fixed text of AP, FD, ATHR, YawDamper
    std::wstring prefix;
    std::wstring suffix;
    ConfigPoint position{-1000, -1000};
    int32_t alignment = 2;
    DisplayCondition display = DisplayCondition::Always;
};

struct PfdInfoSettings {
    std::array<PfdInfoFieldSettings, kPfdInfoFields> fields{};
    float machMin = 0.0f;
    std::wstring baroStandardLabel = L"STD";
    int32_t baroFormat = 0;  // NONE, IN_HG, MB
    std::wstring baroInHgSuffix;
    std::wstring baroMbSuffix;
};

struct PfdUserMessage {
    std::wstring label;  // empty: not shown
    ConfigPoint position{-1000, -1000};
    int32_t alignment = 2;
};

struct PfdSettings {
    ConfigBox speedTapeBox{0, 200, 180, 600};
    ConfigBox speedWindowBox{0, 450, 180, 100};
    ConfigBox altitudeTapeBox{820, 200, 110, 600};
    ConfigBox altitudeWindowBox{820, 450, 140, 100};
    ConfigBox fmaBox{100, 0, 700, 160};
    ConfigBox ilsVerticalBox{800, 200, 100, 600};
    ConfigBox ilsHorizontalBox{200, 800, 600, 100};
    ConfigBox vsBox{940, 200, 60, 600};

    int32_t apSpeedIndexShape = 2;  // TRIANGLE
    int32_t apAltitudeIndexShape = 2;
    int32_t apHeadingIndexShape = 2;
    float apIndexSize = 40.0f;

    AttitudeSettings attitude;
    ConfigPoint radioAltitudePosition{500, 750};
    int32_t radioAltitudeLimit = 1500;
    SpeedSettings speed;
    AltitudeSettings altitude;
    AnnunciatorSettings annunciators;
    HsiSettings hsi;
    PfdInfoSettings info;
    std::array<PfdUserMessage, kPfdUserMessages> userMessages{};
};

// The keys that decide style kinds, read before the style table.
void readPfdShapeKeys(const char* file, const char* section, PfdSettings& settings);
// The geometry and behaviour keys, in configuration order.
void readPfdGeometry(const char* file, const char* section, PfdSettings& settings);
// The info field keys, then the user message keys.
void readPfdInfoFields(const char* file, const char* section, PfdInfoSettings& info);
void readPfdUserMessages(const char* file, const char* section,
                         std::array<PfdUserMessage, kPfdUserMessages>& messages);

}  // namespace zentra
