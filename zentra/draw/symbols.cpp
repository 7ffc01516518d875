#include "zentra/draw/symbols.h"

#include <cmath>

#include "platform/gfx/matrix.h"

namespace zentra {

namespace {

const float kCos60 = float(std::cos(M_PI / 3));
const float kSin60 = float(std::sin(M_PI / 3));

using P = gfx::PointF;

}  // namespace

void rotateAbout(gfx::PointF anchor, float angle, gfx::PointF* points, int count) {
    if (angle == 0.0f) return;
    gfx::Matrix matrix;
    matrix.translate(anchor.x, anchor.y);
    matrix.rotate(angle);
    matrix.translate(-anchor.x, -anchor.y);
    matrix.transformPoints(points, count);
}

void drawCircle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF c, float r) {
    canvas.drawEllipse(pen, c.x - r, c.y - r, 2 * r, 2 * r);
}

std::array<gfx::PointF, 3> trianglePoints(gfx::PointF tip, float s, float angle) {
    std::array<P, 3> points{P{tip.x, tip.y}, P{tip.x - kCos60 * s, tip.y - kSin60 * s},
                            P{tip.x + kCos60 * s, tip.y - kSin60 * s}};
    rotateAbout(tip, angle, points.data(), int(points.size()));
    return points;
}

void drawTriangle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF tip, float s, float angle) {
    const auto points = trianglePoints(tip, s, angle);
    canvas.drawPolygon(pen, points.data(), int(points.size()));
}

void fillTriangle(Canvas& canvas, const gfx::Brush* brush, gfx::PointF tip, float s, float angle) {
    const auto points = trianglePoints(tip, s, angle);
    canvas.fillPolygon(brush, points.data(), int(points.size()));
}

void drawDiamond(Canvas& canvas, const gfx::Pen* pen, gfx::PointF c, float s) {
    const P points[] = {{c.x, c.y - s}, {c.x + s, c.y}, {c.x, c.y + s}, {c.x - s, c.y}};
    canvas.drawPolygon(pen, points, 4);
}

void drawLongDiamond(Canvas& canvas, const gfx::Pen* pen, gfx::PointF c, float s, int orientation) {
    float w = s;
    float v = s;
    if (orientation == 0) {
        w = 2 * s;
    } else if (orientation == 1) {
        v = 2 * s;
    }
    const P points[] = {{c.x, c.y - v}, {c.x + w, c.y}, {c.x, c.y + v}, {c.x - w, c.y}};
    canvas.drawPolygon(pen, points, 4);
}

void drawStar(Canvas& canvas, const gfx::Pen* pen, gfx::PointF c, float s) {
    const float i = 0.2f * s;
    const P points[] = {{c.x - i, c.y - i}, {c.x, c.y - s}, {c.x + i, c.y - i}, {c.x + s, c.y},
                        {c.x + i, c.y + i}, {c.x, c.y + s}, {c.x - i, c.y + i}, {c.x - s, c.y}};
    canvas.drawPolygon(pen, points, 8);
}

void drawDoubleTriangle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF a, float s, float angle) {
    P points[] = {
        {a.x - s, a.y}, {a.x + s, a.y}, {a.x + s, a.y - s}, {a.x, a.y}, {a.x - s, a.y - s}};
    rotateAbout(a, angle, points, 5);
    canvas.drawPolygon(pen, points, 5);
}

void drawApShapeSmall(Canvas& canvas, const gfx::Pen* pen, gfx::PointF a, float s, float angle) {
    const float h = 0.5f * s;
    P points[] = {{a.x - s, a.y}, {a.x + s, a.y},     {a.x + s, a.y - h}, {a.x + h, a.y - h},
                  {a.x, a.y},     {a.x - h, a.y - h}, {a.x - s, a.y - h}};
    rotateAbout(a, angle, points, 7);
    canvas.drawPolygon(pen, points, 7);
}

void drawApShapeBig(Canvas& canvas, const gfx::Pen* pen, gfx::PointF a, float s, float angle) {
    P points[] = {{a.x - s, a.y},        {a.x + s, a.y},
                  {a.x + s, a.y - s},    {a.x + 0.3f * s, a.y - s},
                  {a.x, a.y - 0.6f * s}, {a.x - 0.3f * s, a.y - s},
                  {a.x - s, a.y - s}};
    rotateAbout(a, angle, points, 7);
    canvas.drawPolygon(pen, points, 7);
}

}  // namespace zentra
