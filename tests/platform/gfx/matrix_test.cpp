#include "platform/gfx/matrix.h"

#include <gtest/gtest.h>

namespace platform::gfx {
namespace {

void expectNear(PointF a, PointF b) {
    EXPECT_NEAR(a.x, b.x, 1e-4) << "x";
    EXPECT_NEAR(a.y, b.y, 1e-4) << "y";
}

struct OrderCase {
    const char* name;
    MatrixOrder order;
    PointF in;
    PointF out;
};

// Start from translate(100, 0), then rotate by 90: prepended, the rotation
// acts first (in local coordinates); appended, it acts on the moved point.
TEST(MatrixTest, TransformOrder) {
    const OrderCase cases[] = {
        {"prepend", MatrixOrder::Prepend, {10, 0}, {100, 10}},
        {"append", MatrixOrder::Append, {10, 0}, {0, 110}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Matrix m;
        ASSERT_EQ(m.translate(100, 0), Status::Ok);
        ASSERT_EQ(m.rotate(90, c.order), Status::Ok);
        expectNear(m.map(c.in), c.out);
    }
}

TEST(MatrixTest, RotationIsClockwiseWithYDown) {
    const struct {
        float degrees;
        PointF out;
    } cases[] = {{0, {1, 0}},    {90, {0, 1}},   {180, {-1, 0}},
                 {270, {0, -1}}, {-90, {0, -1}}, {450, {0, 1}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.degrees);
        Matrix m;
        m.rotate(c.degrees);
        expectNear(m.map({1, 0}), c.out);
    }
    Matrix quarter;
    quarter.rotate(90);
    // Exact quarter turns keep axis-aligned shapes on the grid.
    EXPECT_EQ(quarter.elements()[0], 0.0f);
}

TEST(MatrixTest, ScaleTranslateChainActsInLocalCoordinates) {
    Matrix m;
    m.scale(0.5f, 0.25f);   // layout scale first (set at layout time)
    m.translate(200, 400);  // then an element's local frame
    m.rotate(90);
    expectNear(m.map({10, 0}), {100, 102.5f});
}

TEST(MatrixTest, SetElementsTransformPointsAndInvert) {
    Matrix m;
    ASSERT_EQ(m.setElements(2, 0, 0, 3, 5, 7), Status::Ok);
    PointF pts[2] = {{1, 1}, {0, -1}};
    ASSERT_EQ(m.transformPoints(pts, 2), Status::Ok);
    expectNear(pts[0], {7, 10});
    expectNear(pts[1], {5, 4});
    Matrix inv = m;
    ASSERT_EQ(inv.invert(), Status::Ok);
    expectNear(inv.map({7, 10}), {1, 1});

    Matrix singular(0, 0, 0, 0, 1, 1);
    EXPECT_EQ(singular.invert(), Status::InvalidParameter);
    EXPECT_EQ(singular, Matrix(0, 0, 0, 0, 1, 1));
    EXPECT_EQ(m.transformPoints(nullptr, 1), Status::InvalidParameter);
    EXPECT_EQ(m.setElements(1, 0, 0, 1, 0, std::numeric_limits<float>::quiet_NaN()),
              Status::InvalidParameter);
}

TEST(MatrixTest, RotateAboutAnchorAsSymbolsDo) {
    // translate to the anchor, rotate, translate back: the anchor stays put.
    Matrix m;
    m.translate(50, 60);
    m.rotate(90);
    m.translate(-50, -60);
    expectNear(m.map({50, 60}), {50, 60});
    expectNear(m.map({60, 60}), {50, 70});
}

}  // namespace
}  // namespace platform::gfx
