#include "zentra/pfd/pfd_settings.h"

#include <cstdio>

#include "zentra/config/named_values.h"

namespace zentra {

namespace {

// One section of one file, with the typed readers bound to it.
struct SectionReader {
    const char* file;
    const char* section;

    int integer(const char* key, int def) const { return readInt(file, section, key, def); }
    float real(const char* key, float def) const { return readFloat(file, section, key, def); }
    bool flag(const char* key, bool def) const { return readBool(file, section, key, def) != 0; }
    ConfigBox box(const char* key, const char* def) const {
        return readBox(file, section, key, def);
    }
    ConfigPoint point(const char* key, const char* def) const {
        return readPoint(file, section, key, def);
    }
    int anchor(const char* key, int def) const { return readAlignment(file, section, key, def); }
    int named(const char* key, int count, const char* const* names, int def) const {
        return readNamed(file, section, key, count, names, def);
    }
    template <typename E, size_t N>
    E choice(const char* key, const char* const (&names)[N], E def) const {
        return E(readNamed(file, section, key, int(N), names, int(def)));
    }
};

void readAttitude(const SectionReader& r, AttitudeSettings& a) {
    a.shape = r.choice("AttitudeShape", kFrameShapeNames, AttitudeShape::Rectangle);
    const bool boxed =
        a.shape == AttitudeShape::Rectangle || a.shape == AttitudeShape::RoundRectangle;
    if (boxed) {
        a.box = r.box("AttitudeBox", "200,200,800,800");
    } else {
        a.center = r.point("AttitudeCenter", "500,500");
    }
    if (a.shape == AttitudeShape::RoundRectangle) {
        a.cornerRatio = r.integer("AttitudeCornerRatio", 10);
    }
    a.pitchVisibleRange = r.real("PitchAngleVisibleRange", 20.0f);
    a.bankIndexRadius = r.real("AttitudeBankIndexRadius", 425.0f);
    a.bankIndexSize = r.integer("AttitudeBankIndexSize", 50);
    a.bankUseTriangles = r.flag("AttitudeBankUseTriangles", true);
    a.bankTriangleSize = r.real("AttitudeBankTriangleSize", 60.0f);
    a.digitOffset = r.real("AttitudeDigitOffset", 200.0f);
    a.ladderStep = r.real("AttitudePitchLadderStep", 2.5f);
    a.ladderSize10 = r.real("AttitudePitchLadderSize10", 80.0f);
    a.ladderSize5 = r.real("AttitudePitchLadderSize5", 60.0f);
    a.ladderSize2_5 = r.real("AttitudePitchLadderSize2.5", 40.0f);
    a.ladderOriented = r.flag("AttitudePitchLadderOriented", false);
    if (a.ladderOriented) a.ladderHeight = r.real("AttitudePitchLadderHeight", 10.0f);
    a.bankIndicatorSize = r.real("AttitudeBankIndicatorSize", 60.0f);
    a.frame = r.choice("AttitudeFrame", kAttitudeFrameNames, AttitudeFrame::None);
    a.barShape = r.choice("AttitudeBarShape", kBarShapeNames, AttitudeBarShape::BarShape);
    if (a.barShape == AttitudeBarShape::VShape)
        a.barBox = r.box("AttitudeBarBox", "150,490,250,510");
    a.digitLocation = r.choice("AttitudeDigitLocation", kSideNames, DigitLocation::Both);
    a.barWidth = r.real("AttitudeBarWidth", 150.0f);
    a.barThickness = r.real("AttitudeBarThickness", 20.0f);
    a.flightDirectorHeight = r.real("FlightDirectorHeight", 150.0f);
    if (a.barShape == AttitudeBarShape::BarShape) {
        a.barPosition = r.real("AttitudeBarPosition", 50.0f);
        a.flightDirectorWidth = r.real("FlightDirectorWidth", 150.0f);
    }
    if (a.barShape == AttitudeBarShape::VShape) a.barHeight = r.real("AttitudeBarHeight", 50.0f);
}

void readSpeed(const SectionReader& r, SpeedSettings& s) {
    s.tape = r.flag("SpeedTape", true);
    s.window = r.flag("SpeedWindow", false);
    s.mode = r.choice("SpeedMode", kSpeedModeNames, SpeedMode::Absolute);
    s.visibleRange = r.integer("SpeedVisibleRange", 200);
    s.bigTickSize = r.real("SpeedTapeBigTickSize", 40.0f);
    s.indexShape = r.named("SpeedIndexShape", 7, kSymbolShapeNames, 3);
    if (s.indexShape != 0) s.indexSize = r.real("SpeedIndexSize", 40.0f);
    if (s.mode == SpeedMode::Relative) {
        s.indicatorShape = r.named("SpeedIndicatorShape", 7, kSymbolShapeNames, 4);
        return;
    }
    s.speedMin = r.real("SpeedMin", 30.0f);
    if (s.tape) {
        s.step = r.integer("SpeedTapeStep", 5);
        s.smallTickSize = r.real("SpeedTapeSmallTickSize", 20.0f);
        s.alignment = r.anchor("SpeedTapeAlignment", 4);
        s.verticalLine = r.flag("SpeedTapeVerticalLine", true);
        s.borderLines = r.flag("SpeedTapeBorderLines", false);
        const auto scaled = [](LimitBand b) {
            return b == LimitBand::Dots || b == LimitBand::Scale;
        };
        if (scaled(s.minSpeedShape) || scaled(s.maxSpeedShape)) {
            s.scaleHeight = r.real("SpeedTapeScaleHeight", 15.0f);
        }
        s.minSpeedWidth = r.real("SpeedTapeMinSpeedWidth", 10.0f);
        s.maxSpeedWidth = r.real("SpeedTapeMaxSpeedWidth", 10.0f);
    }
    if (s.window) {
        s.windowTriangleSize = r.integer("SpeedWindowTriangleSize", 40);
        s.windowAlignment = r.anchor("SpeedWindowAlignment", 2);
        s.rollingDigits = r.integer("SpeedWindowRollingDigits", 1);
        s.rollingHeight = r.integer("SpeedWindowRollingHeight", 0);
        s.rollingStep = r.integer("SpeedWindowRollingStep", 1);
    }
}

void readAltitude(const SectionReader& r, AltitudeSettings& a) {
    a.tape = r.flag("AltitudeTape", true);
    a.window = r.flag("AltitudeWindow", true);
    if (a.tape) {
        a.step = r.integer("AltitudeTapeStep", 50);
        a.bigTickSize = r.real("AltitudeTapeBigTickSize", 40.0f);
        a.smallTickSize = r.real("AltitudeTapeSmallTickSize", 20.0f);
        a.verticalLine = r.flag("AltitudeTapeVerticalLine", true);
        a.visibleRange = r.integer("AltitudeVisibleRange", 500);
        a.display =
            r.named("AltitudeTapeDisplay", countOf(kAltitudeDigitsNames), kAltitudeDigitsNames, 0);
        a.labelStep = r.integer("AltitudeTapeLabelStep", 100);
        a.borderLines = r.flag("AltitudeTapeBorderLines", false);
        a.alignment = r.anchor("AltitudeTapeAlignment", 2);
    }
    if (a.window) {
        a.windowTriangleSize = r.real("AltitudeWindowTriangleSize", 40.0f);
        a.windowAlignment = r.anchor("AltitudeWindowAlignment", 2);
        a.rollingDigits = r.integer("AltitudeWindowRollingDigits", 2);
        if (a.rollingDigits < 2) {
            // A single drum digit is not offered: the drum is off.
            a.rollingDigits = 0;
            a.rollingStep = 10;
            a.rollingHeight = 0.0f;
        } else {
            a.rollingHeight = r.real("AltitudeWindowRollingHeight", 0.0f);
            a.rollingStep = r.integer("AltitudeWindowRollingStep", 10);
        }
    }
}

void readAnnunciators(const SectionReader& r, AnnunciatorSettings& a) {
    a.fma = r.flag("FMA", true);
    a.fmaColumns = r.integer("FMAColumns", 3);
    a.fmaLines = r.integer("FMALines", 2);
    a.ilsDisplay = r.choice("ILSDisplay", kDisplayConditionNames, DisplayCondition::OnSignal);
    a.ilsScaleSize = r.integer("ILSScaleSize", 30);
    a.ilsScaleShape = r.named("ILSScaleShape", 7, kSymbolShapeNames, 5);
    a.ilsIndicatorShape = r.named("ILSIndicatorShape", 8, kSymbolShapeNames, 6);
    a.vsDisplay = r.flag("VSDisplay", true);
    a.vsHighThreshold = readDouble(r.file, r.section, "VSHighThreshold", 6500.0);
    a.vsDigitsVisible = r.flag("VSDigitsVisible", true);
    a.vsShape = r.named("VSShape", countOf(kVerticalSpeedShapeNames), kVerticalSpeedShapeNames, 1);
    a.vsBigTickSize = r.real("VSBigTickSize", 30.0f);
    a.vsSmallTickSize = r.real("VSSmallTickSize", 20.0f);
    a.vsRadialTicks = r.flag("VSRadialTicks", true);
    if (a.vsShape == 2) {
        a.vsRadius = r.integer("VSRadius", 100);
        a.vsLabelRadius = r.integer("VSLabelRadius", 150);
    }
    a.omiPosition = r.point("OMIPosition", "-1000,-1000");
}

void readHsi(const SectionReader& r, HsiSettings& h) {
    h.display = r.flag("HSIDisplay", true);
    h.indexShape = r.named("HSIIndexShape", 14, kSymbolShapeNames, 3);
    h.indexSize = r.real("HSIIndexSize", 30.0f);
    h.bigTickSize = r.real("HSIBigTickSize", 40.0f);
    h.smallTickSize = r.real("HSISmallTickSize", 20.0f);
    h.verySmallTickSize = r.real("HSIVerySmallTickSize", 10.0f);
    h.borderLine = r.flag("HSIBorderLine", false);
    h.smallDigits = r.flag("HSISmallDigits", false);
    h.shape = r.named("HSIShape", countOf(kHsiShapeNames), kHsiShapeNames, 1);
    const bool disc = h.shape == 1;
    if (!disc) h.tapeBox = r.box("HSITapeBox", "200,850,800,975");
    h.visibleRange = r.real("HSIVisibleRange", disc ? 180.0f : 50.0f);
    if (disc) {
        h.center = r.point("HSICenter", "500,1000");
        h.radius = r.real("HSIRadius", 300.0f);
        h.labelRadius = r.real("HSILabelRadius", 350.0f);
        h.tickOrientation =
            r.named("HSITickOrientation", countOf(kTickOrientationNames), kTickOrientationNames, 0);
        h.index = r.flag("HSIIndex", false);
    }
    static constexpr const char* kPointers[3] = {"VOR1", "VOR2", "ADF"};
    char key[64];
    for (int i = 0; i < 3; ++i) {
        PointerSettings& p = h.pointers[size_t(i)];
        snprintf(key, sizeof key, "%sArrowSize", kPointers[i]);
        p.arrowSize = r.integer(key, 10);
        snprintf(key, sizeof key, "%sArrowClosed", kPointers[i]);
        p.arrowClosed = r.flag(key, false);
        snprintf(key, sizeof key, "%sArrowShape", kPointers[i]);
        p.arrowShape = r.named(key, 5, kArrowShapeNames, 4);
        if (p.arrowShape != 1) {
            snprintf(key, sizeof key, "%sArrowSpacing", kPointers[i]);
            p.arrowSpacing = r.integer(key, 10);
        }
    }
    h.obiCircleSize = r.integer("OBICircleSize", 10);
    h.obiArrowSize = r.integer("OBIArrowSize", 10);
    h.obiArrowClosed = r.flag("OBIArrowClosed", true);
    h.obiArrowShape = r.named("OBIArrowShape", 5, kArrowShapeNames, 1);
    if (h.obiArrowShape != 1) h.obiArrowSpacing = r.integer("OBIArrowSpacing", 10);
    h.obiFromToLocation = r.real("OBIFromToIndicatorLocation", 0.0f);
    h.obiFromToSize = r.integer("OBIFromToIndicatorSize", 0);
    h.headingLineTime = r.real("HeadingLineTime", 1.0f);
}

}  // namespace

void readPfdShapeKeys(const char* file, const char* section, PfdSettings& settings) {
    const SectionReader r{file, section};
    // Only the first three names are offered; SCALE is reached as the default.
    settings.speed.maxSpeedShape =
        LimitBand(r.named("SpeedTapeMaxSpeedShape", 3, kLimitBandNames, int(LimitBand::Scale)));
    settings.speed.minSpeedShape =
        LimitBand(r.named("SpeedTapeMinSpeedShape", 3, kLimitBandNames, int(LimitBand::Scale)));
    settings.altitude.groundAspect =
        GroundAspect(r.named("AltitudeGroundAspect", 4, kGroundAspectNames, 1));
    settings.altitude.groundThickness = r.real("AltitudeGroundThickness", 1.0f);
    settings.hsi.headingLineStyle =
        r.named("HeadingLineStyle", countOf(kLineStyleNames), kLineStyleNames, 0);
}

void readPfdGeometry(const char* file, const char* section, PfdSettings& s) {
    const SectionReader r{file, section};
    s.speedTapeBox = r.box("SpeedTapeBox", "0,200,180,800");
    s.speedWindowBox = r.box("SpeedWindowBox", "0,450,180,550");
    s.altitudeTapeBox = r.box("AltitudeTapeBox", "820,200,930,800");
    s.altitudeWindowBox = r.box("AltitudeWindowBox", "820,450,960,550");
    s.fmaBox = r.box("FMABox", "100,0,800,160");
    s.ilsVerticalBox = r.box("ILSVerticalBox", "800,200,900,800");
    s.ilsHorizontalBox = r.box("ILSHorizontalBox", "200,800,800,900");
    s.vsBox = r.box("VSBox", "940,200,1000,800");

    s.apSpeedIndexShape = r.named("APSpeedIndexShape", 15, kSymbolShapeNames, 2);
    s.apAltitudeIndexShape = r.named("APAltitudeIndexShape", 14, kSymbolShapeNames, 2);
    s.apHeadingIndexShape = r.named("APHeadingIndexShape", 14, kSymbolShapeNames, 2);
    s.apIndexSize = r.real("APIndexSize", 40.0f);

    readAttitude(r, s.attitude);
    s.radioAltitudePosition = r.point("RadioAltitudePosition", "500,750");
    s.radioAltitudeLimit = r.integer("RadioAltitudeLimit", 1500);
    readSpeed(r, s.speed);
    readAltitude(r, s.altitude);
    readAnnunciators(r, s.annunciators);
    readHsi(r, s.hsi);
}

}  // namespace zentra
