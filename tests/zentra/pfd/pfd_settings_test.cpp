#include <gtest/gtest.h>

#include "pfd_fixture.h"
#include "zentra/pfd/pfd_styles.h"

namespace zentra {
namespace {

using pfd_test::ProfileFile;

struct Loaded {
    explicit Loaded(const std::string& section) : file(section) { pfd.loadSettings(file.path()); }
    ProfileFile file;
    PfdDisplay pfd{nullptr};
};

void expectBox(const ConfigBox& b, float x, float y, float w, float h) {
    EXPECT_FLOAT_EQ(b.x, x);
    EXPECT_FLOAT_EQ(b.y, y);
    EXPECT_FLOAT_EQ(b.width, w);
    EXPECT_FLOAT_EQ(b.height, h);
}

TEST(PfdSettings, EmptySectionGivesTheDefaultLayout) {
    Loaded l("");
    const PfdSettings& s = l.pfd.settings();
    EXPECT_TRUE(l.pfd.configured());
    expectBox(s.speedTapeBox, 0, 200, 180, 600);
    expectBox(s.altitudeTapeBox, 820, 200, 110, 600);
    expectBox(s.attitude.box, 200, 200, 600, 600);
    EXPECT_EQ(s.attitude.shape, AttitudeShape::Rectangle);
    EXPECT_FALSE(s.speed.window);
    EXPECT_TRUE(s.speed.tape);
    EXPECT_TRUE(s.altitude.window);
    EXPECT_EQ(s.altitude.rollingDigits, 2);
    EXPECT_EQ(s.speed.minSpeedShape, LimitBand::Scale);
    EXPECT_EQ(s.speed.maxSpeedShape, LimitBand::Scale);

    const StyleTable& st = l.pfd.styles();
    EXPECT_EQ(st.count(), kPfdStyleSlots);
    EXPECT_EQ(st.style(0).configuredColor, 0xFFFFFFu);
    EXPECT_EQ(st.style(4).configuredColor, 0x0064C8u);  // "200,100,0"
    EXPECT_EQ(st.style(5).configuredColor, 0xFF3232u);  // "50,50,255"
    EXPECT_EQ(st.style(7).configuredColor, 0x00FFFFu);  // yellow
    EXPECT_EQ(st.style(17).kind, StyleKind::Pen);
    EXPECT_EQ(st.style(18).kind, StyleKind::Fill);
    EXPECT_EQ(st.style(31).kind, StyleKind::PenAndDiagonalHatch);
    EXPECT_EQ(st.style(84).kind, StyleKind::Pen);
    EXPECT_NE(st.pen(6), nullptr);
    EXPECT_NE(st.brush(5), nullptr);

    const FontTable& f = l.pfd.fonts();
    EXPECT_EQ(f.count(), kPfdFontSlots);
    EXPECT_EQ(f.fontSpec(0).face, L"Courier");
    EXPECT_EQ(f.fontSpec(0).size, 75);
    EXPECT_EQ(f.fontSpec(37).size, 37);  // half of the HSI font, rounded down
    EXPECT_EQ(s.info.fields[kInfoAP].label, L"A/P");
    EXPECT_EQ(s.info.fields[kInfoYawDamper].label, L"YD");
    EXPECT_FLOAT_EQ(s.info.fields[kInfoCourse].position.x, -1000);
}

TEST(PfdSettings, LimitBandShapesAndTheirStyleKinds) {
    const struct {
        const char* text;
        LimitBand shape;
        StyleKind pen;
        StyleKind fill;
    } cases[] = {
        {"NONE", LimitBand::None, StyleKind::None, StyleKind::None},
        {"LINE", LimitBand::Line, StyleKind::Pen, StyleKind::None},
        {"DOTS", LimitBand::Dots, StyleKind::Pen, StyleKind::Fill},
        // Only three names are offered; SCALE reads as the default, which is SCALE.
        {"SCALE", LimitBand::Scale, StyleKind::Pen, StyleKind::Fill},
        {"WAVY", LimitBand::Scale, StyleKind::Pen, StyleKind::Fill},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Loaded l(std::string("SpeedTapeMinSpeedShape=") + c.text +
                 "\nSpeedTapeMaxSpeedShape=" + c.text + "\nSpeedTapeMaxSpeedThickness=3\n");
        EXPECT_EQ(l.pfd.settings().speed.minSpeedShape, c.shape);
        EXPECT_EQ(l.pfd.settings().speed.maxSpeedShape, c.shape);
        EXPECT_EQ(l.pfd.styles().style(17).kind, c.pen);
        EXPECT_EQ(l.pfd.styles().style(18).kind, c.fill);
        EXPECT_EQ(l.pfd.styles().style(19).kind, c.pen);
        EXPECT_EQ(l.pfd.styles().style(20).kind, c.fill);
        // The maximum band's own thickness counts only for a plain line.
        EXPECT_FLOAT_EQ(l.pfd.styles().style(19).width, c.shape == LimitBand::Line ? 3.0f : 1.0f);
    }
}

TEST(PfdSettings, RelativeSpeedModeReadsNoTapeKeys) {
    Loaded l(
        "SpeedMode=RELATIVE\nSpeedWindow=TRUE\nSpeedTapeStep=10\nSpeedMin=50\n"
        "SpeedTapeSmallTickSize=5\nSpeedTapeMinSpeedWidth=30\nSpeedWindowRollingDigits=3\n"
        "SpeedIndicatorShape=DIAMOND\n");
    const SpeedSettings& s = l.pfd.settings().speed;
    EXPECT_EQ(s.mode, SpeedMode::Relative);
    EXPECT_EQ(s.indicatorShape, 6);
    EXPECT_EQ(s.step, 5);
    EXPECT_FLOAT_EQ(s.speedMin, 30.0f);
    EXPECT_FLOAT_EQ(s.smallTickSize, 20.0f);
    EXPECT_FLOAT_EQ(s.minSpeedWidth, 10.0f);
    EXPECT_EQ(s.rollingDigits, 1);
}

TEST(PfdSettings, ConditionalKeysFollowTheirSwitches) {
    Loaded off(
        "SpeedTape=FALSE\nSpeedTapeStep=10\nAltitudeWindowRollingDigits=1\n"
        "AltitudeWindowRollingStep=50\nAttitudeShape=CIRCLE\nAttitudeBox=0,0,10,10\n"
        "AttitudeCenter=400,450\n");
    EXPECT_EQ(off.pfd.settings().speed.step, 5);
    EXPECT_EQ(off.pfd.settings().altitude.rollingDigits, 0);  // one drum digit turns the drum off
    EXPECT_EQ(off.pfd.settings().altitude.rollingStep, 10);
    expectBox(off.pfd.settings().attitude.box, 200, 200, 600, 600);
    EXPECT_FLOAT_EQ(off.pfd.settings().attitude.center.x, 400);

    Loaded on("SpeedTapeStep=10\nSpeedWindow=TRUE\nSpeedWindowRollingDigits=2\n");
    EXPECT_EQ(on.pfd.settings().speed.step, 10);
    EXPECT_EQ(on.pfd.settings().speed.rollingDigits, 2);
}

TEST(PfdSettings, DefaultsTakenFromOtherSlotsAndFields) {
    Loaded l(
        "ForegroundColor=GREEN\nSpeedTapeForegroundColor=CYAN\nAPArmColor=TRANSPARENT\n"
        "AttitudeBankIndicatorBackgroundColor=TRANSPARENT\nInfoAPColor=RED\nInfoGSColor=AMBER\n"
        "SpeedWindowFont=Sans\nSpeedWindowFontSize=60\nHSIFontSize=51\n"
        "InfoVOR1IdAlignment=LEFT\nInfoVOR1IdDisplay=ON_SIGNAL\nInfoVOR2IdAlignment=RIGHT\n"
        "UserMessage1Label=CHECK_FUEL\nUserMessage1Position=10,20\nUserMessage2Position=5,5\n");
    const StyleTable& st = l.pfd.styles();
    EXPECT_EQ(st.style(6).configuredColor, 0x00FF00u);   // attitude from the foreground
    EXPECT_EQ(st.style(9).configuredColor, 0x00FF00u);   // frame from the attitude slot
    EXPECT_EQ(st.style(28).configuredColor, 0xFFFF00u);  // altitude tape from the speed tape
    EXPECT_EQ(st.style(22).configuredColor, 0xFFFF00u);
    EXPECT_TRUE(st.isTransparent(2));
    EXPECT_EQ(st.pen(2), nullptr);
    EXPECT_TRUE(st.isTransparent(14));
    EXPECT_FALSE(st.isTransparent(3));
    EXPECT_EQ(st.style(kStyleInfoFirst + kInfoFD).configuredColor, 0x0000FFu);
    EXPECT_EQ(st.style(kStyleInfoFirst + kInfoBaro).configuredColor, 0x0096FFu);
    EXPECT_EQ(st.style(kStyleInfoFirst + kInfoTAS).configuredColor, 0x00FF00u);

    const FontTable& f = l.pfd.fonts();
    EXPECT_EQ(f.fontSpec(4).face, L"Sans");
    EXPECT_EQ(f.fontSpec(4).size, 60);
    EXPECT_EQ(f.fontSpec(6).size, 60);  // altitude window from the speed window
    EXPECT_EQ(f.fontSpec(7).size, 60);  // and its drum from the altitude window
    EXPECT_EQ(f.fontSpec(37).size, 25);

    const PfdInfoSettings& info = l.pfd.settings().info;
    EXPECT_EQ(info.fields[kInfoVOR1Bearing].alignment, 9);
    EXPECT_EQ(info.fields[kInfoCourse].alignment, 9);
    EXPECT_EQ(info.fields[kInfoCourse].display, DisplayCondition::OnSignal);
    EXPECT_EQ(info.fields[kInfoVOR2Distance].alignment, 12);
    EXPECT_EQ(info.fields[kInfoVOR2Distance].display, DisplayCondition::OnSignal);

    const auto& messages = l.pfd.settings().userMessages;
    EXPECT_EQ(messages[0].label, L"CHECK FUEL");
    EXPECT_FLOAT_EQ(messages[0].position.x, 10);
    EXPECT_TRUE(messages[1].label.empty());
    EXPECT_FLOAT_EQ(messages[1].position.x, -1000);  // no label: its position is not read
}

TEST(PfdSettings, ReloadStartsFromTheDefaults) {
    ProfileFile first("SpeedTapeStep=10\nSpeedWindow=TRUE\n");
    ProfileFile second("SpeedMode=RELATIVE\n");
    PfdDisplay pfd(nullptr);
    pfd.loadSettings(first.path());
    EXPECT_EQ(pfd.settings().speed.step, 10);
    pfd.loadSettings(second.path());
    EXPECT_EQ(pfd.settings().speed.step, 5);
    EXPECT_FALSE(pfd.settings().speed.window);
}

}  // namespace
}  // namespace zentra
