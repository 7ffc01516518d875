#include <gtest/gtest.h>

#include <cmath>

#include "pfd_fixture.h"

namespace zentra {
namespace {

using pfd_test::drawn;
using pfd_test::PfdFixture;
using pfd_test::select;
using pfd_test::texts;

const char* const kSpeedColours =
    "SpeedTapeForegroundColor=CYAN\nAttitudeShape=NONE\nAttitudeBarShape=NONE\n"
    "APArmColor=MAGENTA\nAPEngageColor=GREEN\nSpeedTapeMaxSpeedColor=RED\n"
    "SpeedTapeMinSpeedColor=AMBER\nSpeedIndexColor=YELLOW\n"
    // The altitude, annunciation and HSI groups stay out of these pictures.
    "AltitudeTape=FALSE\nAltitudeWindow=FALSE\nFMA=FALSE\nVSDisplay=FALSE\nHSIDisplay=FALSE\n";

std::vector<gfx::DrawRecord> tapeTicks(const std::vector<gfx::DrawRecord>& records) {
    return select(records, [](const gfx::DrawRecord& r) {
        return pfd_test::horizontalLine(r) && r.penColor == drawn(0xFFFF00);
    });
}

std::vector<gfx::DrawRecord> tapeLabels(const std::vector<gfx::DrawRecord>& records) {
    return select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Text && r.brushColor == drawn(0xFFFF00);
    });
}

TEST(SpeedTape, TickWindowAndLabelsAt250Knots) {
    PfdFixture f(kSpeedColours);
    f.snapshot.indicatedAirspeed = 250;
    const auto records = f.paint();
    const auto ticks = tapeTicks(records);
    ASSERT_EQ(ticks.size(), 45u);  // 140 to 360 every 5
    int big = 0;
    for (const auto& t : ticks) {
        const float value = 250 + (500 - t.points[0].y) / 3;  // 3 units per knot
        const float length = t.points[0].x - t.points[1].x;   // towards -x from the right edge
        EXPECT_NEAR(t.points[0].x, 180, 1e-3);
        const bool tens = std::fmod(std::round(value), 10.0f) == 0;
        EXPECT_NEAR(length, tens ? 40 : 20, 1e-3) << value;
        big += tens;
    }
    EXPECT_EQ(big, 23);
    const auto labels = tapeLabels(records);
    std::vector<std::wstring> expected;
    for (int v = 140; v <= 360; v += 20) expected.push_back(std::to_wstring(v));
    EXPECT_EQ(texts(labels), expected);
    const auto at240 = select(labels, [](const gfx::DrawRecord& r) { return r.text == L"240"; });
    ASSERT_EQ(at240.size(), 1u);
    EXPECT_NEAR(at240[0].points[0].y, 530, 1e-3);
    EXPECT_NEAR(at240[0].points[0].x, 100, 1e-3);  // twice the long tick left of the edge
    EXPECT_EQ(at240[0].alignment, gfx::StringAlignment::Far);
}

TEST(SpeedTape, StepTwentyLabelsEveryShortTick) {
    PfdFixture f(std::string(kSpeedColours) + "SpeedTapeStep=20\n");
    f.snapshot.indicatedAirspeed = 250.9;
    const auto records = f.paint();
    const auto ticks = tapeTicks(records);
    ASSERT_EQ(ticks.size(), 15u);  // 100 to 380
    for (const auto& t : ticks) EXPECT_NEAR(t.points[0].x - t.points[1].x, 20, 1e-3);
    EXPECT_EQ(tapeLabels(records).size(), 15u);
    EXPECT_EQ(texts(tapeLabels(records)).front(), L"100");
}

TEST(SpeedTape, StopsAtTheMinimumSpeed) {
    PfdFixture f(kSpeedColours);
    f.snapshot.indicatedAirspeed = 12;
    f.snapshot.apSpeed = 0;
    const auto records = f.paint();
    const auto ticks = tapeTicks(records);
    ASSERT_FALSE(ticks.empty());
    float lowest = 0;
    for (const auto& t : ticks) lowest = std::max(lowest, t.points[0].y);
    EXPECT_NEAR(lowest, 500, 1e-3);  // 30 knots on the centre line, nothing below it
    EXPECT_EQ(texts(tapeLabels(records)).front(), L"040");
    const auto index = select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Polygon && r.penColor == drawn(0xFF00FF);
    });
    ASSERT_EQ(index.size(), 1u);
    EXPECT_NEAR(index[0].points[0].y, 500, 1e-3);
}

TEST(SpeedTape, BandsOnlyInTheAir) {
    const struct {
        int onGround;
        double max, min;
        size_t maxFills, minLines;
    } cases[] = {
        // 300 kt at y 350; the band reaches the window's top, 360 kt at y 170: every 30 units.
        {0, 300, 0, 7, 0}, {1, 300, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 200, 0, 1}, {1, 0, 200, 0, 0},
    };
    for (const auto& c : cases) {
        PfdFixture f(kSpeedColours);
        f.snapshot.indicatedAirspeed = 250;
        f.snapshot.onGround = c.onGround;
        f.snapshot.maximumSpeed = c.max;
        f.snapshot.minimumSpeed = c.min;
        const auto records = f.paint();
        const auto maxFills = select(records, [](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::FillRectangle && r.brushColor == drawn(0x0000FF);
        });
        EXPECT_EQ(maxFills.size(), c.maxFills);
        if (!maxFills.empty()) {
            EXPECT_NEAR(maxFills[0].points[0].y, 350 - 15, 1e-3);
            EXPECT_NEAR(maxFills[0].points[0].x, 180, 1e-3);
        }
        EXPECT_EQ(select(records,
                         [](const gfx::DrawRecord& r) {
                             return r.kind == gfx::DrawKind::Line && r.penColor == drawn(0x0096FF);
                         })
                      .size(),
                  c.minLines);
    }
}

TEST(SpeedTape, AutopilotIndexArmedEngagedAndHidden) {
    const struct {
        const char* extra;
        int hold;
        gfx::Argb colour;
        size_t count;
    } cases[] = {
        {"", 0, drawn(0xFF00FF), 1},
        {"", 1, drawn(0x00FF00), 1},
        {"APEngageColor=TRANSPARENT\n", 1, 0, 0},
        {"APEngageColor=TRANSPARENT\n", 0, drawn(0xFF00FF), 1},
        {"APSpeedIndexShape=STAR\n", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra);
        PfdFixture f(std::string(c.extra) + kSpeedColours);
        f.snapshot.indicatedAirspeed = 250;
        f.snapshot.apSpeed = 270;
        f.snapshot.apSpeedHold = c.hold;
        const auto index = select(f.paint(), [](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::Polygon &&
                   (r.penColor == drawn(0xFF00FF) || r.penColor == drawn(0x00FF00));
        });
        ASSERT_EQ(index.size(), c.count);
        if (c.count == 0) continue;
        EXPECT_EQ(index[0].penColor, c.colour);
        EXPECT_NEAR(index[0].points[0].y, 500 - 60, 1e-3);
    }
}

TEST(SpeedTape, MachTargetAsAirspeed) {
    EXPECT_DOUBLE_EQ(machToSpeed(300, 0.5, 0.6), 360);
    EXPECT_DOUBLE_EQ(machToSpeed(50, 0.1, 0.5), 0.5 * 658.5);  // too slow for the ratio
    EXPECT_DOUBLE_EQ(machToSpeed(300, 0, 0.8), 0.8 * 658.5);
    EXPECT_DOUBLE_EQ(machToSpeed(60, 0.2, 0.4), 120);
}

TEST(SpeedTape, FixedIndexWithoutWindow) {
    PfdFixture f(kSpeedColours);
    const auto records = f.paint();
    const auto line = select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Line && r.penColor == drawn(0x00FFFF);
    });
    ASSERT_EQ(line.size(), 1u);
    EXPECT_NEAR(line[0].points[0].y, 500, 1e-3);
    const auto triangle = select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::FillPolygon && r.brushColor == drawn(0x00FFFF);
    });
    EXPECT_EQ(triangle.size(), 1u);
}

TEST(SpeedWindow, RollsTheLastDigitAt129AndAHalf) {
    PfdFixture f(std::string(kSpeedColours) +
                 "SpeedWindow=TRUE\nSpeedWindowFontColor=GREY\nSpeedWindowRollingHeight=100\n");
    f.snapshot.indicatedAirspeed = 129.5;
    const auto records = f.paint();
    const auto digits = select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Text && r.brushColor == drawn(0x646464);
    });
    ASSERT_FALSE(digits.empty());
    float drumX = 0;
    for (const auto& d : digits) drumX = std::max(drumX, d.points[0].x);
    const auto column = [&](bool drum, const wchar_t* t) {
        return select(digits, [=](const gfx::DrawRecord& r) {
            return (r.points[0].x == drumX) == drum && r.text == t;
        });
    };
    ASSERT_EQ(column(false, L"1").size(), 1u);
    ASSERT_EQ(column(false, L"2").size(), 1u);
    ASSERT_EQ(column(false, L"3").size(), 1u);
    const float hundreds = column(false, L"1")[0].points[0].y;
    EXPECT_NEAR(hundreds, 500, 1e-3);
    // The tens digit half rolled: the 2 half a digit down, the 3 a digit above it.
    const float h = column(false, L"2")[0].points[0].y - column(false, L"3")[0].points[0].y;
    EXPECT_GT(h, 10);
    EXPECT_NEAR(column(false, L"2")[0].points[0].y - hundreds, std::trunc(h / 2), 1e-3);
    // The drum stands halfway between 9 and 0.
    ASSERT_EQ(column(true, L"9").size(), 1u);
    ASSERT_EQ(column(true, L"0").size(), 1u);
    EXPECT_NEAR(column(true, L"9")[0].points[0].y - 500, 500 - column(true, L"0")[0].points[0].y,
                1e-2);
    for (const auto& d : digits) ASSERT_TRUE(d.clip.has_value());
}

}  // namespace
}  // namespace zentra
