#include "zentra/pfd/info_fields.h"

#include <gtest/gtest.h>

#include <cstring>

#include "groups_fixture.h"

namespace zentra {
namespace {

using pfd2_test::GroupsFixture;

struct InfoFixture : GroupsFixture {
    explicit InfoFixture(const std::string& section = "") : GroupsFixture(section) {
        fields.layout(settings.info);
    }
    void refresh(const PfdSharedSelections& shared = {}, bool plan = false) {
        SnapshotBinding binding(snapshot);
        fields.refresh(settings, shared, plan);
    }
    std::wstring text(int i) const { return fields.text(settings.info, i); }
    InfoFields fields;
};

TEST(InfoFields, MachValues) {
    EXPECT_EQ(machText(0.785), L" .79");
    EXPECT_EQ(machText(1.02), L"1.02");
    InfoFixture f("InfoMachPrefix=M\nInfoMachMin=0.4\n");
    f.snapshot.mach = 0.35;
    f.refresh();
    EXPECT_EQ(f.text(kInfoMach), L"");  // without its prefix
    f.snapshot.mach = 0.785;
    f.refresh();
    EXPECT_EQ(f.text(kInfoMach), L"M .79");
}

TEST(InfoFields, FlightDirectorUnderTheAutopilot) {
    InfoFixture f("InfoAPPosition=100,100\nInfoFDPosition=100,100\n");
    f.snapshot.flightDirectorOn = 1;
    f.refresh();
    EXPECT_EQ(f.text(kInfoFD), L"F/D");
    f.snapshot.autopilotOn = 1;
    f.refresh();
    EXPECT_EQ(f.text(kInfoFD), L"");
    EXPECT_EQ(f.text(kInfoAP), L"A/P");
    InfoFixture apart("InfoAPPosition=100,100\nInfoFDPosition=100,140\n");
    apart.snapshot.flightDirectorOn = 1;
    apart.snapshot.autopilotOn = 1;
    apart.refresh();
    EXPECT_EQ(apart.text(kInfoFD), L"F/D");
}

TEST(InfoFields, DmeDistanceByDisplayMode) {
    const struct {
        const char* mode;
        double dme;
        const wchar_t* text;
        bool visible;
    } cases[] = {
        {"ALWAYS", -1, L"---.-", true},
        {"ON_SIGNAL", -1, L"---.-", false},
        {"ON_SIGNAL", 12.34, L"12.3", true},
        {"NEVER", 12.34, L"12.3", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        InfoFixture f(std::string("InfoVOR1DistanceDisplay=") + c.mode +
                      "\nInfoVOR1DistanceSuffix=NM\n");
        f.snapshot.navDmeDistance[0] = c.dme;
        f.refresh();
        EXPECT_EQ(f.fields.field(kInfoVOR1Distance).visible, c.visible);
        EXPECT_EQ(f.text(kInfoVOR1Distance), std::wstring(c.text) + L"NM");
    }
}

TEST(InfoFields, NavigationIdentsAndFallbacks) {
    InfoFixture f("InfoVOR1IdDisplay=ON_SIGNAL\n");
    std::strcpy(f.snapshot.nav1FrequencyText, "110.30");
    f.refresh();
    EXPECT_FALSE(f.fields.field(kInfoVOR1Id).visible);
    EXPECT_FALSE(f.fields.field(kInfoVOR1Bearing).visible);  // takes VOR1Id's display mode
    std::strcpy(f.snapshot.navIdent[0], "IKLA");
    f.snapshot.vor1Bearing = 123.9;
    f.refresh();
    EXPECT_TRUE(f.fields.field(kInfoVOR1Id).visible);
    EXPECT_EQ(f.text(kInfoVOR1Id), L"IKLA");
    EXPECT_EQ(f.text(kInfoVOR1Bearing), L"123");
    // No ADF signal: the frequency, shown because ADFId defaults to ALWAYS.
    std::strcpy(f.snapshot.adfFrequencyText, "0350");
    f.refresh();
    EXPECT_EQ(f.text(kInfoADFId), L"0350");
    EXPECT_EQ(f.text(kInfoADFBearing), L"---");
    // Waypoint fields need a flight plan.
    std::strcpy(f.snapshot.waypointId, "KLA");
    f.snapshot.waypointDistance = 4.25;
    f.refresh({}, false);
    EXPECT_EQ(f.text(kInfoWaypointId), L"----");
    f.refresh({}, true);
    EXPECT_EQ(f.text(kInfoWaypointId), L"KLA");
    EXPECT_EQ(f.text(kInfoWaypointDistance), L"4.2");
}

TEST(InfoFields, VerticalSpeedHeadingCourseAndDecisionHeight) {
    InfoFixture f("InfoDHPrefix=DH\n");
    f.snapshot.verticalSpeed = -1250;
    f.snapshot.apHeading = 7.9;
    f.snapshot.navCourse[0] = 45;
    f.snapshot.decisionHeight = 200;
    f.snapshot.heightAboveLastGroundInt = 1600;
    f.refresh();
    EXPECT_EQ(f.text(kInfoVS), L"-1200");
    EXPECT_EQ(f.text(kInfoAPHeading), L"007");
    EXPECT_EQ(f.text(kInfoCourse), L"045");
    EXPECT_FALSE(f.fields.field(kInfoDH).visible);  // above the radio altitude limit
    f.snapshot.heightAboveLastGroundInt = 1500;
    f.refresh();
    EXPECT_TRUE(f.fields.field(kInfoDH).visible);
    EXPECT_EQ(f.text(kInfoDH), L"DH200");
}

TEST(InfoFields, BaroBySharedSelections) {
    InfoFixture f(
        "InfoBaroInHgSuffix=IN\nInfoBaroMbSuffix=HPA\nInfoBaroFormat=MB\nInfoBaroSuffix=X\n");
    f.snapshot.baroSettingInHg = 29.92;
    f.snapshot.baroSettingMb = 1013.2;
    f.refresh();  // no block: the configured format
    EXPECT_EQ(f.text(kInfoBaro), L"1013HPA");
    uint8_t block[96] = {};
    f.refresh(readPfdSharedSelections(block));  // unit 0: inches
    EXPECT_EQ(f.text(kInfoBaro), L"29.92IN");
    block[20] = 1;
    f.refresh(readPfdSharedSelections(block));
    EXPECT_EQ(f.text(kInfoBaro), L"1013HPA");
    block[24] = 1;
    f.refresh(readPfdSharedSelections(block));
    EXPECT_EQ(f.text(kInfoBaro), L"STD");
    EXPECT_FALSE(f.fields.field(kInfoBaro).composed);
}

TEST(InfoFields, ApSpeedAsMachWhenSelected) {
    InfoFixture f;
    f.snapshot.apSpeed = 250;
    f.snapshot.apMach = 0.82;
    uint8_t block[96] = {};
    f.refresh(readPfdSharedSelections(block));
    EXPECT_EQ(f.text(kInfoAPSpeed), L"250");
    block[28] = 1;
    f.refresh(readPfdSharedSelections(block));
    EXPECT_EQ(f.text(kInfoAPSpeed), L" .82");
}

TEST(InfoFields, DrawnAtTheirPlacesAndUserMessages) {
    GroupsFixture f(
        "InfoGSPosition=100,900\nInfoGSPrefix=GS\nInfoGSAlignment=BASE_LEFT\n"
        "UserMessage2Label=MINIMUMS\nUserMessage2Position=500,50\n"
        "UserMessage3Position=500,60\n");
    f.snapshot.groundSpeed = 140.7;
    const auto t = pfd2_test::ofKind(
        f.record([&](PfdPaint& p) { f.groups.paintMarkersAndFields(p, {}, false); }),
        gfx::DrawKind::Text);
    bool gs = false, message = false;
    for (const auto& r : t) {
        if (r.text == L"GS140") {
            gs = true;
            EXPECT_EQ(r.alignment, gfx::StringAlignment::Near);
            EXPECT_LT(r.points[0].y, 900);  // on its baseline: the box moved up
        }
        if (r.text == L"MINIMUMS") {
            message = true;
            EXPECT_EQ(r.points[0].x, 500);
        }
        EXPECT_NE(r.points[0].y, 60);  // message 3 has no label
    }
    EXPECT_TRUE(gs);
    EXPECT_TRUE(message);
}

}  // namespace
}  // namespace zentra
