#include "platform/gfx/region.h"

#include <gtest/gtest.h>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

using testing::Canvas;

// Two nested squares in one path: with alternate fill the inner one is a hole.
GraphicsPath frame(FillMode mode) {
    GraphicsPath p(mode);
    p.addRectangle({10, 10, 80, 80});
    p.addRectangle({30, 30, 40, 40});
    return p;
}

TEST(RegionTest, PathFillModeDecidesHoles) {
    const Region alternate(frame(FillMode::Alternate));
    const Region winding(frame(FillMode::Winding));
    EXPECT_TRUE(alternate.isVisible({20, 20}));
    EXPECT_FALSE(alternate.isVisible({50, 50}));
    EXPECT_TRUE(winding.isVisible({50, 50}));
    EXPECT_FALSE(alternate.isVisible({5, 5}));
}

TEST(RegionTest, CombineModes) {
    // a = [0,20) x [0,10), b = [10,30) x [0,10); probes in a only, both, b only.
    const struct {
        CombineMode mode;
        bool aOnly, both, bOnly;
    } cases[] = {
        {CombineMode::Replace, false, true, true},  {CombineMode::Intersect, false, true, false},
        {CombineMode::Union, true, true, true},     {CombineMode::Xor, true, false, true},
        {CombineMode::Exclude, true, false, false}, {CombineMode::Complement, false, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.mode));
        Region r(RectF{0, 0, 20, 10});
        ASSERT_EQ(r.combine(RectF{10, 0, 20, 10}, c.mode), Status::Ok);
        EXPECT_EQ(r.isVisible({5, 5}), c.aOnly);
        EXPECT_EQ(r.isVisible({15, 5}), c.both);
        EXPECT_EQ(r.isVisible({25, 5}), c.bOnly);
    }
}

TEST(RegionTest, BoundsAndSpecialRegions) {
    Region r;
    EXPECT_TRUE(r.isInfinite());
    r.makeEmpty();
    EXPECT_TRUE(r.isEmpty());
    RectF b;
    r.getBounds(&b);
    EXPECT_EQ(b, RectF{});
    Region rect(RectF{10, 20, -5, 5});  // negative sizes are normalised
    rect.getBounds(&b);
    EXPECT_EQ(b, (RectF{5, 20, 5, 5}));
    Matrix rot;
    rot.rotate(90);
    rect.transform(rot);
    rect.getBounds(&b);
    EXPECT_NEAR(b.x, -25, 1e-4);
    EXPECT_NEAR(b.y, 5, 1e-4);
}

// Clip from a path with alternate fill: the hole keeps its pixels, the frame
// is painted, and resetting the clip paints everything again.
TEST(RegionTest, ClipFromPathWithAlternateFillOnPixels) {
    Canvas c(100, 100);
    SolidBrush red(testing::kRed);
    ASSERT_EQ(c.g->setClip(Region(frame(FillMode::Alternate))), Status::Ok);
    c.g->fillRectangle(&red, 0, 0, 100, 100);
    EXPECT_EQ(c.at(20, 20), testing::kRed);
    EXPECT_EQ(c.at(50, 50), testing::kWhite);
    EXPECT_EQ(c.at(5, 5), testing::kWhite);
    EXPECT_EQ(c.at(95, 50), testing::kWhite);
    c.save("clip_alternate_path.png");
    c.g->resetClip();
    c.g->fillRectangle(&red, 0, 0, 100, 100);
    EXPECT_EQ(c.at(50, 50), testing::kRed);
}

// A clip that is not a plain intersection (union, exclude) goes through a mask.
TEST(RegionTest, CombinedClipOnPixels) {
    Canvas c(60, 20);
    SolidBrush blue(testing::kBlue);
    Region r(RectF{0, 0, 20, 20});
    r.combine(RectF{40, 0, 20, 20}, CombineMode::Union);
    r.combine(RectF{0, 0, 10, 10}, CombineMode::Exclude);
    c.g->setClip(r);
    c.g->fillRectangle(&blue, 0, 0, 60, 20);
    EXPECT_EQ(c.at(5, 5), testing::kWhite);
    EXPECT_EQ(c.at(15, 5), testing::kBlue);
    EXPECT_EQ(c.at(30, 10), testing::kWhite);
    EXPECT_EQ(c.at(50, 10), testing::kBlue);
    // fillRegion paints the region within the clip in force.
    c.g->resetClip();
    SolidBrush green(testing::kGreen);
    Region band(RectF{0, 8, 60, 4});
    c.g->setClip(RectF{0, 0, 30, 20});
    ASSERT_EQ(c.g->fillRegion(&green, &band), Status::Ok);
    EXPECT_EQ(c.at(25, 9), testing::kGreen);
    EXPECT_EQ(c.at(45, 9), testing::kBlue);
    EXPECT_EQ(c.at(25, 14), testing::kWhite);
}

}  // namespace
}  // namespace platform::gfx
