#include "zentra/draw/nav_needles.h"

namespace zentra {

namespace {

using P = gfx::PointF;

// Arrow head with its apex at (0, -length).
void drawHead(Canvas& canvas, const gfx::Pen* pen, float length, float h, bool closed) {
    const P apex{0, -length};
    const P left{-0.5f * h, h - length};
    const P right{0.5f * h, h - length};
    if (closed) {
        const P points[] = {apex, left, right};
        canvas.drawPolygon(pen, points, 3);
    } else {
        canvas.drawLine(pen, left, apex);
        canvas.drawLine(pen, right, apex);
    }
}

void enterRotatedFrame(Canvas& canvas, float angle, bool antiAlias) {
    canvas.rotateTransform(angle);
    if (antiAlias) canvas.setSmoothingMode(gfx::SmoothingMode::AntiAlias);
}

void drawCourseBody(Canvas& canvas, const NavNeedleSet& set) {
    const float r = set.radius;
    const float h = set.courseHeadSize;
    drawDeviationDots(canvas, set);
    canvas.drawLine(set.coursePen, 0, h - r, 0, -r / 2);
    canvas.drawLine(set.coursePen, 0, r, 0, r / 2);
    if (set.deviationBarVisible) {
        const float x = set.deviation * r / 2;
        canvas.drawLine(set.deviationPen, x, r / 2, x, -r / 2);
    }
    const float t = set.toFrom;
    if (t != 0) {
        const float size = set.toFromSize;
        const P apex{0, -(set.toFromLocation * r * t)};
        const float baseY = apex.y + 0.866f * size * t;
        const P points[] = {apex, {-0.5f * size * t, baseY}, {0.5f * size * t, baseY}};
        if (set.toFromTransparent) {
            canvas.drawPolygon(set.coursePen, points, 3);
        } else {
            canvas.fillPolygon(set.toFromBrush, points, 3);
        }
    }
}

}  // namespace

void drawDeviationDots(Canvas& canvas, const NavNeedleSet& set) {
    const float r = set.dotRadius;
    const float offsets[] = {-set.radius / 2, set.radius / 2, -set.radius / 4, set.radius / 4};
    for (float x : offsets) canvas.drawEllipse(set.dotPen, x - r, -r, 2 * r, 2 * r);
}

void drawBearingPointer(Canvas& canvas, gfx::Pen* pen, bool antiAlias, float length, float angle,
                        bool closed, ArrowShape shape, float headSize, float spacing) {
    CanvasContainer frame(canvas);
    enterRotatedFrame(canvas, angle, antiAlias);
    const float l = length;
    const float h = headSize;
    const float d = spacing;
    const float e = closed ? l - h : l;
    switch (shape) {
        case ArrowShape::Thin:
            canvas.drawLine(pen, 0, -e, 0, l);
            drawHead(canvas, pen, l, h, closed);
            break;
        case ArrowShape::Double:
            canvas.drawLine(pen, -d, -e, -d, l);
            canvas.drawLine(pen, d, -e, d, l);
            drawHead(canvas, pen, l, h, closed);
            break;
        case ArrowShape::Thick: {
            const P points[] = {{0, -l},
                                {0.5f * h, h - l},
                                {d, 0.7f * h - l},
                                {d, 0.65f * l},
                                {0, 0.65f * l + d},
                                {0, l},
                                {0, 0.65f * l + d},
                                {-d, 0.65f * l},
                                {-d, 0.7f * h - l},
                                {-0.5f * h, h - l}};
            canvas.drawPolygon(pen, points, 10);
            break;
        }
        case ArrowShape::End:
            drawHead(canvas, pen, l, h, closed);
            break;
        case ArrowShape::Standard:
            if (pen != nullptr) pen->setEndCap(gfx::LineCap::ArrowAnchor);
            canvas.drawLine(pen, 0, l, 0, -l);
            break;
        case ArrowShape::None:
            break;
    }
    if (pen != nullptr) pen->setEndCap(gfx::LineCap::Flat);
}

void drawNavNeedles(Canvas& canvas, const NavNeedleSet& set) {
    struct Pointer {
        bool visible;
        ArrowShape shape;
        gfx::Pen* pen;
        float angle;
        bool closed;
        float head;
        float spacing;
    };
    const Pointer pointers[] = {
        {set.vor1Visible, set.vor1Shape, set.vor1Pen, set.vor1Angle, set.vor1Closed,
         set.vor1HeadSize, set.vor1Spacing},
        {set.vor2Visible, set.vor2Shape, set.vor2Pen, set.vor2Angle, set.vor2Closed,
         set.vor2HeadSize, set.vor2Spacing},
        {set.adfVisible, set.adfShape, set.adfPen, set.adfAngle, set.adfClosed, set.adfHeadSize,
         set.adfSpacing},
    };
    for (const Pointer& p : pointers) {
        if (!p.visible || p.shape == ArrowShape::None) continue;
        drawBearingPointer(canvas, p.pen, set.antiAlias, set.radius, p.angle, p.closed, p.shape,
                           p.head, p.spacing);
    }

    if (!set.courseVisible || set.courseShape == ArrowShape::None) return;
    CanvasContainer frame(canvas);
    enterRotatedFrame(canvas, set.courseAngle, set.antiAlias);
    if (set.courseShape != ArrowShape::End) drawCourseBody(canvas, set);
    drawHead(canvas, set.coursePen, set.radius, set.courseHeadSize, set.courseClosed);
}

}  // namespace zentra
