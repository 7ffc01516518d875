#include <gtest/gtest.h>

#include <cmath>

#include "pfd_fixture.h"

namespace zentra {
namespace {

using pfd_test::drawn;
using pfd_test::horizontalLine;
using pfd_test::PfdFixture;
using pfd_test::select;

// Colours kept apart so records tell their element.
const char* const kColours =
    "AttitudeForegroundColor=WHITE\nAttitudeFrameThickness=2\nSpeedTape=FALSE\n"
    "FlightDirectorForegroundColor=GREEN\nAttitudeBarForegroundColor=YELLOW\n"
    "ForegroundColor=CYAN\n"
    // The altitude, annunciation and HSI groups stay out of these pictures.
    "AltitudeTape=FALSE\nAltitudeWindow=FALSE\nFMA=FALSE\nVSDisplay=FALSE\nHSIDisplay=FALSE\n";

std::vector<gfx::DrawRecord> attitudeLines(const std::vector<gfx::DrawRecord>& records) {
    return select(records, [](const gfx::DrawRecord& r) {
        return horizontalLine(r) && r.penColor == drawn(0xFFFFFF) && r.penWidth == 1.0f;
    });
}

TEST(AttitudeDisplay, HorizonMovesWithPitchAtTheDefaults) {
    PfdFixture f(kColours);
    f.snapshot.pitchAngle = -10;  // nose up
    const auto lines = attitudeLines(f.paint());
    // The horizon is the line 3.6 R long: 21.25 units per degree.
    const auto horizon = select(lines, [](const gfx::DrawRecord& r) {
        return std::abs(r.points[1].x - r.points[0].x - 1530) < 0.01f;
    });
    ASSERT_EQ(horizon.size(), 1u);
    EXPECT_NEAR(horizon[0].points[0].y, 500 + 212.5f, 1e-3);
    EXPECT_NEAR(horizon[0].points[0].x, 500 - 765, 1e-3);
}

TEST(AttitudeDisplay, LadderLinesByStep) {
    const struct {
        const char* step;
        size_t tens, fives, halves;
    } cases[] = {
        // Lines that can show at pitch 0: within 424 + 75 units (23.5 degrees).
        {"2.5", 4, 4, 10},
        {"5", 4, 4, 0},
        {"10", 4, 0, 0},
        {"0", 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.step);
        PfdFixture f(std::string(kColours) + "AttitudePitchLadderStep=" + c.step + "\n");
        const auto lines = attitudeLines(f.paint());
        const auto length = [&](float l) {
            return select(lines,
                          [l](const gfx::DrawRecord& r) {
                              return std::abs(r.points[1].x - r.points[0].x - l) < 0.01f;
                          })
                .size();
        };
        EXPECT_EQ(length(160), c.tens);
        EXPECT_EQ(length(120), c.fives);
        EXPECT_EQ(length(80), c.halves);
    }
}

TEST(AttitudeDisplay, LabelsShowTheMagnitudeOnBothSides) {
    PfdFixture f(kColours);
    const auto records = f.paint();
    for (float y : {500 - 212.5f, 500 + 212.5f}) {
        SCOPED_TRACE(y);
        const auto labels = select(records, [y](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::Text && std::abs(r.points[0].y - y) < 1e-3f;
        });
        ASSERT_EQ(labels.size(), 2u);
        EXPECT_EQ(labels[0].text, L"10");
        EXPECT_EQ(labels[1].text, L"10");
        EXPECT_NEAR(labels[0].points[0].x, 700, 1e-3);
        EXPECT_EQ(labels[0].alignment, gfx::StringAlignment::Near);
        EXPECT_NEAR(labels[1].points[0].x, 300, 1e-3);
        EXPECT_EQ(labels[1].alignment, gfx::StringAlignment::Far);
    }
}

TEST(AttitudeDisplay, OrientedLadderTicksHangTowardsTheHorizon) {
    PfdFixture f(std::string(kColours) +
                 "AttitudePitchLadderOriented=TRUE\n"
                 "AttitudePitchLadderHeight=12\n");
    const auto ticks = select(f.paint(), [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Line && r.penColor == drawn(0xFFFFFF) &&
               std::abs(r.points[0].x - r.points[1].x) < 1e-3f &&
               std::abs(std::abs(r.points[1].y - r.points[0].y) - 12) < 1e-3f;
    });
    ASSERT_EQ(ticks.size(), 8u);  // both ends of the four labelled lines in reach
    for (const auto& t : ticks) {
        const bool above = t.points[0].y < 500;
        EXPECT_EQ(t.points[1].y > t.points[0].y, above);
    }
}

TEST(AttitudeDisplay, SlipRectangleMovesOnePointerSize) {
    const struct {
        double slip;
        float left;
    } cases[] = {{0, 470}, {1, 530}, {-1, 410}};
    for (const auto& c : cases) {
        PfdFixture f(kColours);
        f.snapshot.slipBall = c.slip;
        const auto rects = select(f.paint(), [](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::Rectangle && r.penColor == drawn(0xFFFFFF);
        });
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_NEAR(rects[0].points[0].x, c.left, 1e-3);
        EXPECT_NEAR(rects[0].points[0].y, 500 + 0.866f * 60 - 425, 1e-3);
        EXPECT_NEAR(rects[0].points[2].x - rects[0].points[0].x, 60, 1e-3);
    }
}

TEST(AttitudeDisplay, FlightDirectorBarsStopAtTheirLimits) {
    const struct {
        int on;
        double bank, fdBank, pitch, fdPitch;
        float x, y;
    } cases[] = {
        {1, 0, 10, 0, 0, 500 - 60, 500},     // kf = 6 units per degree
        {1, 0, 90, 0, 0, 500 - 150, 500},    // limited at the width
        {1, 0, -90, 0, 20, 500 + 150, 650},  // and the pitch bar at the height
        {1, 5, 0, -4, -2, 500 - 30, 500 + 42.5f},
    };
    for (const auto& c : cases) {
        PfdFixture f(kColours);
        f.snapshot.flightDirectorOn = c.on;
        f.snapshot.bankAngle = 0;
        f.snapshot.flightDirectorBank = c.fdBank + c.bank;
        f.snapshot.pitchAngle = c.pitch;
        f.snapshot.flightDirectorPitch = c.fdPitch;
        const auto bars = select(f.paint(), [](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::Line && r.penColor == drawn(0x00FF00);
        });
        ASSERT_EQ(bars.size(), 2u);
        EXPECT_NEAR(bars[0].points[0].x, c.x, 1e-3);
        EXPECT_NEAR(bars[1].points[0].y, c.y, 1e-3);
        EXPECT_NEAR(bars[1].points[0].x, 350, 1e-3);
    }
}

TEST(AttitudeDisplay, NoFlightDirectorOrSymbolUnlessConfigured) {
    const struct {
        const char* extra;
        int on;
        bool bars, symbol;
    } cases[] = {
        {"", 0, false, true},
        {"", 1, true, true},
        {"AttitudeBarShape=V_SHAPE\n", 1, false, false},
        {"AttitudeBarShape=NONE\n", 1, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra);
        PfdFixture f(std::string(kColours) + c.extra);
        f.snapshot.flightDirectorOn = c.on;
        const auto records = f.paint();
        EXPECT_EQ(!select(records,
                          [](const gfx::DrawRecord& r) {
                              return r.hasPen && r.penColor == drawn(0x00FF00);
                          })
                       .empty(),
                  c.bars);
        EXPECT_EQ(select(records,
                         [](const gfx::DrawRecord& r) {
                             return r.kind == gfx::DrawKind::Polygon &&
                                    r.penColor == drawn(0x00FFFF);
                         })
                      .size(),
                  c.symbol ? 2u : 0u);
    }
}

TEST(AttitudeDisplay, ShapesClipTheBall) {
    const struct {
        const char* shape;
        float left, width;
    } cases[] = {
        {"RECTANGLE", 200, 600},
        {"CIRCLE", 75, 850},
        {"OVAL", 500 - 425 * 0.8660254f, 2 * 425 * 0.8660254f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shape);
        PfdFixture f(std::string(kColours) + "AttitudeShape=" + c.shape + "\nSkyColor=BLUE\n");
        const auto sky = select(f.paint(), [](const gfx::DrawRecord& r) {
            return r.kind == gfx::DrawKind::FillRectangle && r.brushColor == drawn(0xFF0000);
        });
        ASSERT_EQ(sky.size(), 1u);
        ASSERT_TRUE(sky[0].clip.has_value());
        EXPECT_NEAR(sky[0].clip->x, c.left, 0.5);
        EXPECT_NEAR(sky[0].clip->width, c.width, 1.0);
    }
}

TEST(AttitudeDisplay, BankTurnsTheBallNotTheScale) {
    PfdFixture f(kColours);
    f.snapshot.bankAngle = 30;
    const auto records = f.paint();
    const auto horizon =
        select(attitudeLines(records), [](const gfx::DrawRecord&) { return true; });
    EXPECT_TRUE(horizon.empty());  // no line of the ball stays level
    // The zero-bank triangle of the fixed scale keeps its tip at the top.
    const auto scale = select(records, [](const gfx::DrawRecord& r) {
        return r.kind == gfx::DrawKind::Polygon && r.penColor == drawn(0xFFFFFF) &&
               r.penWidth == 2.0f && std::abs(r.points[0].x - 500) < 1e-3f &&
               std::abs(r.points[0].y - 75) < 1e-3f;
    });
    EXPECT_EQ(scale.size(), 1u);
}

}  // namespace
}  // namespace zentra
