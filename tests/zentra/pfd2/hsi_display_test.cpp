#include "zentra/pfd/hsi_display.h"

#include <gtest/gtest.h>

#include <cmath>

#include "groups_fixture.h"

namespace zentra {
namespace {

using pfd2_test::GroupsFixture;
using pfd2_test::ofKind;
using pfd2_test::texts;

constexpr const char* kTape =
    "HSIShape=TAPE\nHSIVisibleRange=50\nAPHeadingIndexShape=TRIANGLE\n"
    "HSIIndexSize=0\n";

TEST(HsiTape, TicksAndLabelsAtHeadingZero) {
    GroupsFixture f(kTape);
    f.settings.hsi.visibleRange = 50;  // whatever the reader's default for the shape
    f.groups = PfdGroups{};
    f.snapshot.heading = 0;
    f.snapshot.apHeading = 0;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintHsi(p); });
    const auto lines = ofKind(records, gfx::DrawKind::Line);
    ASSERT_EQ(lines.size(), 13u);  // -30 to 30 every 5 degrees
    const float s = 600.0f / 50;
    EXPECT_NEAR(lines.front().points[0].x, 500 - 30 * s, 1e-3);
    EXPECT_NEAR(lines.back().points[0].x, 500 + 30 * s, 1e-3);
    EXPECT_NEAR(lines[0].points[1].y - lines[0].points[0].y, 40, 1e-3);  // big at tens
    EXPECT_NEAR(lines[1].points[1].y - lines[1].points[0].y, 20, 1e-3);
    const std::vector<std::wstring> labels = {L"33", L"34", L"35", L"N", L"1", L"2", L"3"};
    EXPECT_EQ(texts(records), labels);
    // The tape is clipped to its band.
    ASSERT_TRUE(lines[0].clip.has_value());
    EXPECT_NEAR(lines[0].clip->x, 200, 1e-3);
    EXPECT_NEAR(lines[0].clip->width, 600, 1e-3);
}

TEST(HsiTape, AutopilotHeadingAcrossNorth) {
    EXPECT_DOUBLE_EQ(tapeApHeading(10, 355, 50), -5);
    EXPECT_DOUBLE_EQ(tapeApHeading(0, 355, 50), -5);
    EXPECT_DOUBLE_EQ(tapeApHeading(350, 5, 50), 365);
    EXPECT_DOUBLE_EQ(tapeApHeading(180, 355, 50), 355);
    GroupsFixture f(kTape);
    f.settings.hsi.visibleRange = 50;
    f.snapshot.heading = 10;
    f.snapshot.apHeading = 355;
    const auto polygons =
        ofKind(f.record([&](PfdPaint& p) { f.groups.paintHsi(p); }), gfx::DrawKind::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    // Tip on the tape's top edge, 15 degrees left of the centre.
    EXPECT_NEAR(polygons[0].points[0].x, 500 - 15 * 12, 1e-2);
    EXPECT_NEAR(polygons[0].points[0].y, 850, 1e-2);
}

TEST(HsiDisc, CardCoversTheCircleAndTurnsWithTheHeading) {
    GroupsFixture f("HSIIndexSize=0\n");
    f.snapshot.heading = 90;
    const auto records = f.record([&](PfdPaint& p) { f.groups.paintHsi(p); });
    // From -90 up to below 280 every 5 degrees.
    const auto t = texts(records);
    ASSERT_EQ(t.size(), 13u);  // -90, -60, ..., 270
    // "E" at 90 stands at the top of the card when flying east.
    for (const auto& r : ofKind(records, gfx::DrawKind::Text)) {
        if (r.text != L"E") continue;
        EXPECT_NEAR(r.points[0].x, 500, 1e-2);
        EXPECT_NEAR(r.points[0].y, 1000 - 350, 1e-2);
    }
    const auto lines = ofKind(records, gfx::DrawKind::Line);
    EXPECT_GE(lines.size(), 74u);
}

TEST(HsiDisc, FixedIndexMarksAndHeadingIndex) {
    GroupsFixture f("HSIIndex=TRUE\nHSIIndexSize=30\nHSIIndexShape=LINE\n");
    const auto lines =
        ofKind(f.record([&](PfdPaint& p) { f.groups.paintHsi(p); }), gfx::DrawKind::Line);
    int marks = 0;
    for (const auto& l : lines) {
        const float dx = l.points[0].x - 500, dy = l.points[0].y - 1000;
        const float r0 = std::hypot(dx, dy);
        const float r1 = std::hypot(l.points[1].x - 500, l.points[1].y - 1000);
        if (std::abs(r0 - 300) < 0.05f && std::abs(r1 - 330) < 0.05f) {
            ++marks;
            const float angle = std::atan2(dx, -dy) * 180 / float(M_PI);
            bool known = false;
            for (float a : kHsiIndexMarks) {
                known |= std::abs(std::remainder(angle - a, 360.0f)) < 0.05f;
            }
            EXPECT_TRUE(known) << angle;
        }
    }
    EXPECT_EQ(marks, 6);
    // The fixed heading index: a line from the top of the disc to its centre.
    const gfx::DrawRecord& index = lines.back();
    EXPECT_NEAR(index.points[0].y, 700, 1e-3);
    EXPECT_NEAR(index.points[1].y, 1000, 1e-3);
}

TEST(HeadingLine, ShownForItsTimeAfterEachChange) {
    HeadingLineTimer timer;
    const auto dashed = HeadingLineStyle::Dashed;
    EXPECT_TRUE(timer.shown(100, 5.0, 1.0f, false, dashed));
    // Changed at 5.0: shown through 6.0, then gone.
    EXPECT_TRUE(timer.shown(100, 5.5, 1.0f, false, dashed));
    EXPECT_TRUE(timer.shown(100, 6.0, 1.0f, false, dashed));
    EXPECT_FALSE(timer.shown(100, 6.05, 1.0f, false, dashed));
    EXPECT_TRUE(timer.shown(110, 9.0, 1.0f, false, dashed));
    EXPECT_FALSE(timer.shown(110, 10.5, 1.0f, false, dashed));
    // A negative time: as long as heading hold is on.
    EXPECT_TRUE(timer.shown(110, 50, -1.0f, true, dashed));
    EXPECT_FALSE(timer.shown(110, 50, -1.0f, false, dashed));
    EXPECT_FALSE(timer.shown(120, 60, 1.0f, true, HeadingLineStyle::None));
}

TEST(HeadingLine, DrawnWithTheHoldPenOnTheDisc) {
    GroupsFixture f("HeadingLineStyle=FULL\nHeadingLineTime=2\nHSIIndexSize=0\n");
    f.snapshot.apHeading = 45;
    f.snapshot.simTime = 10;
    f.snapshot.apHeadingHold = 1;
    const auto centreLines = [&] {
        return pfd2_test::select(
            ofKind(f.record([&](PfdPaint& p) { f.groups.paintHsi(p); }), gfx::DrawKind::Line),
            [](const gfx::DrawRecord& r) {
                return std::abs(r.points[0].x - 500) < 1e-2 &&
                       std::abs(r.points[0].y - 1000) < 1e-2;
            });
    };
    auto lines = centreLines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].penColor, f.styles.style(85).colorInUse);
    EXPECT_NEAR(lines[0].points[1].x, 500 + 300 * std::sin(M_PI / 4), 1e-2);
    f.snapshot.simTime = 12.5;
    EXPECT_TRUE(centreLines().empty());
}

}  // namespace
}  // namespace zentra
