#include <gtest/gtest.h>

#include "groups_fixture.h"
#include "zentra/pfd/deviation_display.h"
#include "zentra/pfd/mode_annunciator.h"
#include "zentra/pfd/vertical_speed.h"

namespace zentra {
namespace {

using pfd2_test::GroupsFixture;
using pfd2_test::ofKind;
using pfd2_test::texts;

TEST(VerticalSpeed, NeedleOffsetsAndColours) {
    GroupsFixture f;
    // Only the needle: no FMA, no deviation scales.
    f.settings.annunciators.fma = false;
    f.settings.annunciators.ilsDisplay = DisplayCondition::Never;
    VerticalSpeedIndicator vsi;
    {
        PfdPaint p = f.paintContext();
        vsi.layout(p);
    }
    const float u = vsi.unit();
    ASSERT_GT(u, 0);
    const uint32_t normal = f.styles.style(42).colorInUse;
    // A high-rate colour of its own, so the test can tell them apart.
    f.styles.setStyle(43, StyleKind::PenAndFill, 0x0000FF, 1.0f);
    f.styles.refreshStyles(1.0f);
    const uint32_t high = f.styles.style(43).colorInUse;
    ASSERT_NE(normal, high);
    const struct {
        double fpm;
        float marks;
        bool high;
    } cases[] = {{1500, 3, false},   {3000, 5, false},  {6000, 6, false}, {7000, 6, true},
                 {-1000, -2, false}, {-7000, -6, true}, {0, 0, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.fpm);
        EXPECT_NEAR(vsNeedleOffset(c.fpm, u), c.marks * u, 1e-3);
        f.snapshot.verticalSpeed = c.fpm;
        const auto lines =
            ofKind(f.record([&](PfdPaint& p) { vsi.paint(p); }), gfx::DrawKind::Line);
        ASSERT_FALSE(lines.empty());
        const gfx::DrawRecord& needle = lines.back();
        EXPECT_NEAR(needle.points[0].x, vsi.pivot().x, 1e-3);
        EXPECT_NEAR(needle.points[1].x, vsi.scaleX(), 1e-3);
        EXPECT_NEAR(needle.points[1].y, vsi.centreY() - c.marks * u, 1e-2);
        EXPECT_EQ(needle.penColor, c.high ? high : normal);
    }
    EXPECT_EQ(vsNeedleOffset(NAN, u), 0);
}

TEST(VerticalSpeed, ScaleLabelsAndNonNeedleShapes) {
    GroupsFixture f("FMA=FALSE\n");
    f.snapshot.verticalSpeed = 500;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAnnunciations(p); });
    const std::vector<std::wstring> labels = {L"4", L"4", L"2", L"2", L"1", L"1", L"0"};
    EXPECT_EQ(texts(records), labels);
    // Radial ticks: every scale line ends at the pivot right of the box (940 + 2 * 60).
    const auto lines = ofKind(records, gfx::DrawKind::Line);
    ASSERT_EQ(lines.size(), 14u);  // 13 marks and the needle
    for (size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_NEAR(lines[i].points[1].x, 1060, 1e-3);
    EXPECT_NEAR(lines.back().points[0].x, 1060, 1e-3);

    GroupsFixture arc("VSShape=ARC\nFMA=FALSE\nILSDisplay=NEVER\n");
    EXPECT_TRUE(arc.record([&](PfdPaint& p) { arc.groups.paintAnnunciations(p); }).empty());
}

TEST(ModeAnnunciator, ColumnTwo) {
    GroupsFixture f;
    SnapshotBinding binding(f.snapshot);
    f.snapshot.apHeadingHold = 1;
    FmaEntry e = fmaColumnEntry(2, 2);
    EXPECT_EQ(e.text, L"HDG");
    EXPECT_EQ(e.line, 0);
    f.snapshot.apNavHold = 1;  // NAV armed as well: only NAV, on the last line
    e = fmaColumnEntry(2, 2);
    EXPECT_EQ(e.text, L"NAV");
    EXPECT_EQ(e.line, 1);
    f.snapshot.gpsDrivesNav = 1;
    EXPECT_EQ(fmaColumnEntry(2, 3).text, L"FMS");
    EXPECT_EQ(fmaColumnEntry(2, 3).line, 2);
    f.snapshot.apApproachHold = 1;
    EXPECT_EQ(fmaColumnEntry(2, 2).text, L"LOC");
    EXPECT_TRUE(fmaColumnEntry(3, 2).text.empty());
}

TEST(ModeAnnunciator, ColumnsSeparatorsAndPlaces) {
    GroupsFixture f("FMAColumns=4\nILSDisplay=NEVER\nVSDisplay=FALSE\n");
    f.snapshot.apSpeedHold = 1;
    f.snapshot.apAltitudeHold = 1;
    f.snapshot.apGlideslopeHold = 1;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintAnnunciations(p); });
    const auto lines = ofKind(records, gfx::DrawKind::Line);
    ASSERT_EQ(lines.size(), 3u);  // between four columns of 175 from x = 100
    EXPECT_NEAR(lines[0].points[0].x, 275, 1e-3);
    EXPECT_NEAR(lines[2].points[0].x, 625, 1e-3);
    const auto t = ofKind(records, gfx::DrawKind::Text);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, L"SPD");
    EXPECT_NEAR(t[0].points[0].x, 187.5, 1e-3);
    EXPECT_NEAR(t[0].points[0].y, 0, 1e-3);
    EXPECT_EQ(t[1].text, L"G/S");  // the later row of column 1 wins
    EXPECT_GT(t[1].points[0].y, 0);
}

TEST(DeviationScales, ShownByDisplayModeAndSignals) {
    const struct {
        DisplayCondition mode;
        bool gs, loc, shown;
    } cases[] = {
        {DisplayCondition::Never, true, true, false},
        {DisplayCondition::OnSignal, false, true, false},  // localizer only
        {DisplayCondition::OnSignal, true, false, false},
        {DisplayCondition::OnSignal, true, true, true},
        {DisplayCondition::Always, false, false, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ilsScalesShown(c.mode, c.gs, c.loc), c.shown);
    }
    GroupsFixture f("FMA=FALSE\nVSDisplay=FALSE\n");
    f.snapshot.hsiCdiValid = 1;
    EXPECT_TRUE(f.record([&](PfdPaint& p) { f.groups.paintAnnunciations(p); }).empty());
    f.snapshot.hsiGsiValid = 1;
    f.snapshot.hsiGsiNeedle = 0.5;
    EXPECT_FALSE(f.record([&](PfdPaint& p) { f.groups.paintAnnunciations(p); }).empty());
}

TEST(MarkerBeacons, OuterBeforeMiddleBeforeInner) {
    GroupsFixture f("OMIPosition=500,300\n");
    const PfdSharedSelections none;
    auto markers = [&] {
        return ofKind(
            f.record([&](PfdPaint& p) { f.groups.paintMarkersAndFields(p, none, false); }),
            gfx::DrawKind::Text);
    };
    f.snapshot.middleMarker = true;
    f.snapshot.innerMarker = true;
    auto t = markers();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0].text, L" M ");
    EXPECT_EQ(t[0].points[0].x, 500);
    f.snapshot.outerMarker = true;
    EXPECT_EQ(markers()[0].text, L" O ");
    f.snapshot = SimSnapshot{};
    for (const auto& r : markers()) EXPECT_NE(r.points[0].y, 300);
}

}  // namespace
}  // namespace zentra
