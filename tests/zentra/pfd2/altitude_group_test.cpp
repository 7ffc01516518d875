#include <gtest/gtest.h>

#include "groups_fixture.h"
#include "zentra/pfd/altitude_tape.h"
#include "zentra/pfd/altitude_window.h"
#include "zentra/pfd/radio_altitude.h"

namespace zentra {
namespace {

using pfd2_test::GroupsFixture;
using pfd2_test::ofKind;
using pfd2_test::texts;

TEST(AltitudeTape, DefaultTickWindowAt2030Feet) {
    GroupsFixture f;
    f.snapshot.indicatedAltitude = 2030;
    f.snapshot.heightAboveLastGround = 5000;  // ground far below the window
    f.snapshot.apAltitude = 2000;
    f.settings.altitude.groundAspect = GroundAspect::None;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); });
    // Tape labels come before the window's readout.
    std::vector<std::wstring> labels;
    std::vector<float> labelY;
    for (const auto& r : records) {
        if (r.kind != gfx::DrawKind::Text || r.fontSize == 0) continue;
        if (r.clip && r.clip->y == 200 && r.clip->height == 600) {
            labels.push_back(r.text);
            labelY.push_back(r.points[0].y);
        }
    }
    const std::vector<std::wstring> expected = {L"1700", L"1800", L"1900", L"2000",
                                                L"2100", L"2200", L"2300"};
    ASSERT_EQ(labels, expected);
    // Centre line 500, 600 units for 500 ft: 2000 ft sits 36 units below.
    EXPECT_NEAR(labelY[3], 536, 1e-2);
    EXPECT_NEAR(labelY[0], 896, 1e-2);
    // 13 ticks from 1700 to 2300, big (40) on the labels and small (20) between.
    const auto lines =
        pfd2_test::select(ofKind(records, gfx::DrawKind::Line),
                          [](const gfx::DrawRecord& r) { return r.points[0].y == r.points[1].y; });
    ASSERT_GE(lines.size(), 13u);
    EXPECT_NEAR(lines[0].points[0].x - lines[0].points[1].x, 40, 1e-3);  // 1700, towards -x
    EXPECT_NEAR(lines[1].points[0].x - lines[1].points[1].x, 20, 1e-3);  // 1750
    EXPECT_NEAR(lines[0].points[0].x, 930, 1e-3);                        // the right edge
}

TEST(AltitudeTape, LabelForms) {
    const struct {
        int32_t form;
        const wchar_t* text;
    } cases[] = {{0, L"12300"}, {1, L"123"}, {2, L"12"}, {3, L"300"}, {4, L"2300"}};
    for (const auto& c : cases) {
        EXPECT_EQ(altitudeTapeLabel(12300, c.form), c.text) << c.form;
    }
    EXPECT_EQ(altitudeTapeLabel(500, 1), L"005");
    EXPECT_EQ(altitudeTapeLabel(500, 2), L"00");
}

TEST(AltitudeTape, NothingBelowZeroAndTheLineStartsAtZero) {
    GroupsFixture f("AltitudeTapeDisplay=FULL\n");
    f.snapshot.indicatedAltitude = 100;
    f.snapshot.heightAboveLastGround = 100;
    f.settings.altitude.groundAspect = GroundAspect::Bar;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); });
    for (const auto& t : texts(records)) EXPECT_NE(t.front(), L'-');
    // Altitude 0 lies 120 units below the centre line: the vertical line runs
    // from there up to 400 ft, the top of the tick window; the ground bar down
    // from there to 100 - 300 ft.
    std::vector<float> ends;
    for (const auto& r : ofKind(records, gfx::DrawKind::Line)) {
        if (r.points[0].x == 930 && r.points[1].x == 930 && std::abs(r.points[0].y - 620) < 1e-2) {
            ends.push_back(r.points[1].y);
        }
    }
    ASSERT_EQ(ends.size(), 2u);
    EXPECT_NEAR(ends[0], 620 - 400 * 1.2, 1e-2);
    EXPECT_NEAR(ends[1], 620 + 200 * 1.2, 1e-2);
}

TEST(AltitudeTape, HatchedGroundAndEngagedIndex) {
    GroupsFixture f;
    f.snapshot.indicatedAltitude = 1000;
    f.snapshot.heightAboveLastGround = 200;  // ground at 800 ft: 240 units below centre
    f.snapshot.apAltitude = 1100;
    f.snapshot.apAltitudeHold = 1;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); });
    const auto fills = ofKind(records, gfx::DrawKind::FillRectangle);
    const auto hatch =
        pfd2_test::select(fills, [](const gfx::DrawRecord& r) { return r.hatchStyle >= 0; });
    ASSERT_EQ(hatch.size(), 1u);
    EXPECT_NEAR(hatch[0].points[0].y, 740, 1e-2);
    // Down to the window's lower end, 1000 - 300 ft: 360 units below centre.
    EXPECT_NEAR(hatch[0].points[3].y, 860, 1e-2);
    const auto polygons = ofKind(records, gfx::DrawKind::Polygon);
    ASSERT_FALSE(polygons.empty());
    // The triangle points right at 1100 ft (120 units above centre) on the tape's edge.
    EXPECT_NEAR(polygons[0].points[0].x, 930, 1e-2);
    EXPECT_NEAR(polygons[0].points[0].y, 380, 1e-2);
    EXPECT_EQ(polygons[0].penColor, f.styles.style(3).colorInUse);
}

TEST(AltitudeWindow, DrumAt12337WithStep20) {
    GroupsFixture f("AltitudeWindowRollingStep=20\n");
    f.snapshot.indicatedAltitude = 12337;
    f.snapshot.indicatedAltitudeInt = 12337;
    f.settings.altitude.tape = false;
    EXPECT_EQ(altitudeWindowValue(12337, 20), 12320);
    const auto t = texts(f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); }));
    const std::vector<std::wstring> expected = {L"3",  L"2",  L"1",  L"80",
                                                L"00", L"20", L"40", L"60"};
    EXPECT_EQ(t, expected);
}

TEST(AltitudeWindow, NegativeAltitudes) {
    EXPECT_EQ(altitudeWindowValue(-5, 10), 0);
    EXPECT_EQ(altitudeWindowValue(-10, 10), -10);
    EXPECT_EQ(altitudeWindowValue(1234, 0), 1234);  // a zero step does not divide
    GroupsFixture f;
    f.settings.altitude.tape = false;
    f.snapshot.indicatedAltitudeInt = -10;
    f.snapshot.indicatedAltitude = -10;
    EXPECT_EQ(texts(f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); })),
              std::vector<std::wstring>{L"NEG"});
    f.snapshot.indicatedAltitudeInt = -5;
    f.snapshot.indicatedAltitude = -5;
    const auto t = texts(f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); }));
    ASSERT_FALSE(t.empty());
    EXPECT_NE(t.front(), L"NEG");
}

TEST(AltitudeWindow, OneDrumDigitShowsThePlainNumber) {
    GroupsFixture f("AltitudeWindowRollingDigits=1\nAltitudeWindowTriangleSize=0\n");
    f.settings.altitude.tape = false;
    f.snapshot.indicatedAltitudeInt = 12345;
    f.snapshot.indicatedAltitude = 12345.4;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAltitudeGroup(p); });
    EXPECT_EQ(texts(records), std::vector<std::wstring>{L"12340"});
    EXPECT_EQ(ofKind(records, gfx::DrawKind::FillRectangle).size(), 1u);  // a plain box
}

TEST(RadioAltitude, StepsAndLimit) {
    EXPECT_EQ(radioAltitudeText(1234, 1500), L"1200");
    EXPECT_EQ(radioAltitudeText(998, 1500), L"990");
    EXPECT_EQ(radioAltitudeText(1001, 1500), L"1000");
    EXPECT_EQ(radioAltitudeText(1500, 1500), L"1500");
    EXPECT_EQ(radioAltitudeText(1501, 1500), L"");

    GroupsFixture f;
    f.snapshot.heightAboveLastGroundInt = 998;
    auto records = f.record([&](PfdPaint& p) { f.groups.paintRadioAltitude(p); });
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].kind, gfx::DrawKind::FillRectangle);
    EXPECT_EQ(records[1].text, L"990");
    EXPECT_EQ(records[1].alignment, gfx::StringAlignment::Center);
    // The box reaches a quarter of the text's width past each side.
    const float w = records[1].bounds.width;
    EXPECT_NEAR(records[0].points[0].x, records[1].bounds.x - w / 4, 1e-2);
    EXPECT_NEAR(records[0].points[1].x, records[1].bounds.right() + w / 4, 1e-2);
    f.snapshot.heightAboveLastGroundInt = 1501;
    EXPECT_TRUE(f.record([&](PfdPaint& p) { f.groups.paintRadioAltitude(p); }).empty());
}

}  // namespace
}  // namespace zentra
