#include <gtest/gtest.h>

#include <cmath>

#include "platform/gfx/graphics.h"

namespace platform::gfx {
namespace {

class RecordingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(Graphics::createRecording(500, 250, &recorder, &g), Status::Ok);
    }
    DrawRecord last() {
        auto r = recorder.records();
        EXPECT_FALSE(r.empty());
        return r.empty() ? DrawRecord{} : r.back();
    }
    DrawRecorder recorder;
    std::unique_ptr<Graphics> g;
    Pen pen{0xFF102030, 2.0f};
    SolidBrush brush{0xFF405060};
};

void expectPoint(PointF p, float x, float y) {
    EXPECT_NEAR(p.x, x, 1e-3);
    EXPECT_NEAR(p.y, y, 1e-3);
}

// The logical 1000 x 1000 space stretched onto 500 x 250 pixels.
TEST_F(RecordingTest, LogicalSpaceIsStretchedNotLetterboxed) {
    g->resetTransform();
    g->scaleTransform(500.0f / 1000, 250.0f / 1000);
    ASSERT_EQ(g->drawLine(&pen, 0, 0, 1000, 1000), Status::Ok);
    const DrawRecord r = last();
    EXPECT_EQ(r.kind, DrawKind::Line);
    ASSERT_EQ(r.points.size(), 2u);
    expectPoint(r.points[1], 500, 250);
    EXPECT_EQ(r.penColor, 0xFF102030u);
    EXPECT_NEAR(r.penWidth, 2.0f * std::sqrt(0.5f * 0.25f), 1e-4);
}

TEST_F(RecordingTest, LocalFramesArePrepended) {
    g->scaleTransform(0.5f, 0.5f);
    GraphicsContainer c;
    ASSERT_EQ(g->beginContainer(&c), Status::Ok);
    g->translateTransform(400, 200);
    g->rotateTransform(90);
    g->drawLine(&pen, 0, 0, 0, -100);  // up in the local frame: right on the device
    const DrawRecord r = last();
    expectPoint(r.points[0], 200, 100);
    expectPoint(r.points[1], 250, 100);
    ASSERT_EQ(g->endContainer(c), Status::Ok);
    g->drawLine(&pen, 0, 0, 0, -100);
    expectPoint(last().points[1], 0, -50);
}

TEST_F(RecordingTest, ContainerRestoresTransformClipAndQuality) {
    g->translateTransform(10, 20);
    g->setClip(RectF{0, 0, 100, 50});
    g->setSmoothingMode(SmoothingMode::AntiAlias);
    g->setTextRenderingHint(TextRenderingHint::SingleBitPerPixelGridFit);
    const Matrix outer = g->deviceTransform();

    GraphicsContainer c;
    ASSERT_EQ(g->beginContainer(&c), Status::Ok);
    // Inside: own transform starts at identity but is composed with the outer one.
    Matrix local;
    g->getTransform(&local);
    EXPECT_TRUE(local.isIdentity());
    EXPECT_EQ(g->deviceTransform(), outer);
    // Quality carries on into the container.
    EXPECT_EQ(g->smoothingMode(), SmoothingMode::AntiAlias);

    // A replacing clip inside stays within the outer clip.
    g->setClip(RectF{50, 0, 100, 100});
    g->drawLine(&pen, 0, 0, 1, 0);
    EXPECT_EQ(*last().clip, (RectF{60, 20, 50, 50}));
    g->rotateTransform(45);
    g->scaleTransform(3, 3);
    g->setSmoothingMode(SmoothingMode::None);
    g->setTextRenderingHint(TextRenderingHint::AntiAlias);

    ASSERT_EQ(g->endContainer(c), Status::Ok);
    EXPECT_EQ(g->deviceTransform(), outer);
    EXPECT_EQ(g->smoothingMode(), SmoothingMode::AntiAlias);
    EXPECT_EQ(g->textRenderingHint(), TextRenderingHint::SingleBitPerPixelGridFit);
    RectF clip;
    g->getClipBounds(&clip);
    EXPECT_EQ(clip, (RectF{0, 0, 100, 50}));
    g->drawLine(&pen, 0, 0, 1, 0);
    EXPECT_EQ(*last().clip, (RectF{10, 20, 100, 50}));
}

TEST_F(RecordingTest, EndingAnOuterContainerClosesInnerOnes) {
    GraphicsContainer outer, inner;
    g->beginContainer(&outer);
    g->translateTransform(5, 5);
    g->beginContainer(&inner);
    g->translateTransform(7, 7);
    ASSERT_EQ(g->endContainer(outer), Status::Ok);
    EXPECT_TRUE(g->deviceTransform().isIdentity());
    EXPECT_EQ(g->endContainer(inner), Status::InvalidParameter);
    EXPECT_EQ(g->endContainer(12345), Status::InvalidParameter);
}

TEST_F(RecordingTest, ClipIsKeptInDeviceSpaceWhenTransformChangesLater) {
    g->scaleTransform(2, 2);
    g->setClip(RectF{10, 10, 20, 20});
    g->resetTransform();
    g->drawLine(&pen, 0, 0, 1, 1);
    EXPECT_EQ(*last().clip, (RectF{20, 20, 40, 40}));
    RectF b;
    g->getClipBounds(&b);
    EXPECT_EQ(b, (RectF{20, 20, 40, 40}));
    g->resetClip();
    g->drawLine(&pen, 0, 0, 1, 1);
    EXPECT_FALSE(last().clip.has_value());
}

TEST_F(RecordingTest, RecordsEachPrimitiveInDeviceCoordinates) {
    g->translateTransform(100, 50);
    g->scaleTransform(2, 2);
    const PointF tri[3] = {{0, 0}, {10, 0}, {0, 10}};
    HatchBrush hatch(HatchStyle::ForwardDiagonal, 0xFF00FF00, 0);
    const float dash[2] = {4, 4};
    pen.setDashPattern(dash, 2);
    pen.setEndCap(LineCap::ArrowAnchor);

    g->drawRectangle(&pen, 1, 2, 3, 4);
    g->fillPolygon(&hatch, tri, 3);
    g->drawEllipse(&pen, -5, -5, 10, 10);
    g->fillPie(&brush, 0, 0, 10, 10, 30, 60);
    const auto rs = recorder.records();
    ASSERT_EQ(rs.size(), 4u);

    EXPECT_EQ(rs[0].kind, DrawKind::Rectangle);
    ASSERT_EQ(rs[0].points.size(), 4u);
    expectPoint(rs[0].points[0], 102, 54);
    expectPoint(rs[0].points[2], 108, 62);
    EXPECT_EQ(rs[0].dash, (std::vector<float>{4, 4}));
    EXPECT_EQ(rs[0].endCap, LineCap::ArrowAnchor);
    EXPECT_FLOAT_EQ(rs[0].penWidth, 4);
    EXPECT_FALSE(rs[0].hasBrush);

    EXPECT_EQ(rs[1].kind, DrawKind::FillPolygon);
    expectPoint(rs[1].points[1], 120, 50);
    EXPECT_EQ(rs[1].hatchStyle, 2);
    EXPECT_EQ(rs[1].brushColor, 0xFF00FF00u);
    EXPECT_EQ(rs[1].hatchBackColor, 0u);
    EXPECT_FALSE(rs[1].hasPen);

    EXPECT_EQ(rs[2].kind, DrawKind::Ellipse);
    expectPoint(rs[2].points[0], 90, 40);
    expectPoint(rs[2].points[2], 110, 60);

    EXPECT_EQ(rs[3].kind, DrawKind::FillPie);
    EXPECT_EQ(rs[3].startAngle, 30);
    EXPECT_EQ(rs[3].sweepAngle, 60);
    EXPECT_EQ(rs[3].brushColor, 0xFF405060u);
    EXPECT_EQ(rs[3].hatchStyle, -1);
}

TEST_F(RecordingTest, NullObjectsFailAndDrawNothing) {
    const PointF pts[2] = {{0, 0}, {1, 1}};
    EXPECT_EQ(g->drawLine(nullptr, 0, 0, 1, 1), Status::InvalidParameter);
    EXPECT_EQ(g->fillRectangle(nullptr, 0, 0, 1, 1), Status::InvalidParameter);
    EXPECT_EQ(g->drawPolygon(&pen, pts, 1), Status::InvalidParameter);
    EXPECT_EQ(g->drawString(L"x", -1, nullptr, {}, nullptr, &brush), Status::InvalidParameter);
    EXPECT_EQ(g->drawImage(nullptr, 0, 0), Status::InvalidParameter);
    EXPECT_EQ(g->drawLine(&pen, 0, std::numeric_limits<float>::infinity(), 1, 1),
              Status::InvalidParameter);
    EXPECT_EQ(g->setSmoothingMode(SmoothingMode(9)), Status::InvalidParameter);
    EXPECT_EQ(recorder.size(), 0u);
}

TEST_F(RecordingTest, PathsAreRecordedFlattenedPerFigure) {
    GraphicsPath path;
    path.addLine(0, 0, 10, 0);
    path.addLine(10, 10, 0, 10);  // joins the open figure
    path.closeFigure();
    path.addEllipse(20, 20, 10, 10);
    g->drawPath(&pen, &path);
    const DrawRecord r = last();
    ASSERT_EQ(r.figureSizes.size(), 2u);
    EXPECT_EQ(r.figureSizes[0], 4);
    EXPECT_GT(r.figureSizes[1], 16);
    EXPECT_EQ(r.points.size(), size_t(r.figureSizes[0] + r.figureSizes[1]));
    for (int i = 4; i < int(r.points.size()); ++i) {
        const float dx = r.points[i].x - 25, dy = r.points[i].y - 25;
        EXPECT_NEAR(std::sqrt(dx * dx + dy * dy), 5.0f, 0.01f);
    }
}

}  // namespace
}  // namespace platform::gfx
