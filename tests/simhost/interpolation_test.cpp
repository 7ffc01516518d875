#include "simhost/interpolation.h"

#include <gtest/gtest.h>

namespace simhost {
namespace {

TEST(Interpolation, BlendsByKind) {
    const std::vector<Keyframe> ramp = {{0, 100}, {10, 200}, {20, 200}};
    const std::vector<Keyframe> north = {{0, 350}, {10, 10}};
    const std::vector<Keyframe> south = {{0, 10}, {4, 350}};
    const std::vector<Keyframe> half = {{0, 90}, {10, 270}};
    const std::vector<Keyframe> jump = {{0, 1}, {5, 2}, {5, 7}};
    struct Case {
        const std::vector<Keyframe>* keys;
        Blend blend;
        double time;
        double expected;
    } cases[] = {
        {&ramp, Blend::Linear, -1, 100},
        {&ramp, Blend::Linear, 0, 100},
        {&ramp, Blend::Linear, 2.5, 125},
        {&ramp, Blend::Linear, 15, 200},
        {&ramp, Blend::Linear, 99, 200},
        {&ramp, Blend::Step, 9.9, 100},
        {&north, Blend::Angle, 5, 0},
        {&north, Blend::Angle, 2.5, 355},
        {&north, Blend::Angle, 7.5, 5},
        {&south, Blend::Angle, 1, 5},
        {&south, Blend::Angle, 3, 355},
        {&half, Blend::Angle, 5, 180},
        {&jump, Blend::Linear, 4.999, 1.9998},
        {&jump, Blend::Linear, 5, 7},
        {&jump, Blend::Step, 6, 7},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(interpolate(*c.keys, c.time, c.blend), c.expected, 1e-9)
            << "t=" << c.time << " blend " << static_cast<int>(c.blend);
    }
}

TEST(Interpolation, AngleResultStaysWithinOneTurn) {
    const std::vector<Keyframe> keys = {{0, 720}, {1, -30}};
    for (double t = 0; t <= 1.0; t += 0.125) {
        double v = interpolate(keys, t, Blend::Angle);
        EXPECT_GE(v, 0.0);
        EXPECT_LT(v, 360.0);
    }
    EXPECT_NEAR(interpolate(keys, 1.0, Blend::Angle), 330.0, 1e-9);
}

}  // namespace
}  // namespace simhost
