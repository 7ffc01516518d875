#pragma once
// Marker symbols in logical units around an anchor point, with size s and
// angles in degrees clockwise. Outlines are drawn with the pen given, the
// filled triangle with the brush given; a null pen or brush draws nothing.
#include <array>

#include "zentra/draw/canvas.h"

namespace zentra {

// Points turned about the anchor by the angle; left as they are when the
// angle is exactly 0.
void rotateAbout(gfx::PointF anchor, float angle, gfx::PointF* points, int count);

void drawCircle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF centre, float radius);

// Equilateral triangle with its tip at the point; at angle 0 the tip points
// down, at 90 left, at 180 up, at 270 right.
std::array<gfx::PointF, 3> trianglePoints(gfx::PointF tip, float s, float angle);
void drawTriangle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF tip, float s, float angle);
void fillTriangle(Canvas& canvas, const gfx::Brush* brush, gfx::PointF tip, float s, float angle);

void drawDiamond(Canvas& canvas, const gfx::Pen* pen, gfx::PointF centre, float s);
// Orientation 0: twice as wide as tall; 1: twice as tall as wide; any other:
// a plain diamond of half-size s.
void drawLongDiamond(Canvas& canvas, const gfx::Pen* pen, gfx::PointF centre, float s,
                     int orientation);
void drawStar(Canvas& canvas, const gfx::Pen* pen, gfx::PointF centre, float s);

// Index shapes lying above their anchor when unrotated (right of it at 90,
// left of it at 270): the base runs through the anchor from x - s to x + s.
void drawDoubleTriangle(Canvas& canvas, const gfx::Pen* pen, gfx::PointF anchor, float s,
                        float angle);
void drawApShapeSmall(Canvas& canvas, const gfx::Pen* pen, gfx::PointF anchor, float s,
                      float angle);
void drawApShapeBig(Canvas& canvas, const gfx::Pen* pen, gfx::PointF anchor, float s, float angle);

}  // namespace zentra
