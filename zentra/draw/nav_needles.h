#pragma once
// Bearing pointers and the course pointer with its deviation bar, drawn
// about the origin of the canvas's current frame (a compass centre).
#include "zentra/draw/canvas.h"
#include "zentra/draw/symbol_shape.h"

namespace zentra {

struct NavNeedleSet {
    bool antiAlias = false;
    float radius = 0;  // R

    // Degrees clockwise in the current frame.
    float vor1Angle = 0;
    float vor2Angle = 0;
    float courseAngle = 0;
    float adfAngle = 0;

    float deviation = 0;  // 1.0 puts the deviation bar on the outer dot
    float toFrom = 0;     // > 0 TO, < 0 FROM, 0 neither; scales the triangle
    bool deviationBarVisible = false;

    bool vor1Visible = false;
    bool vor2Visible = false;
    bool courseVisible = false;
    bool adfVisible = false;

    float vor1HeadSize = 0;
    float vor2HeadSize = 0;
    float adfHeadSize = 0;
    float courseHeadSize = 0;

    // Closed heads are triangle outlines, open ones two strokes.
    bool vor1Closed = false;
    bool vor2Closed = false;
    bool adfClosed = false;
    bool courseClosed = false;

    ArrowShape vor1Shape = ArrowShape::None;
    ArrowShape vor2Shape = ArrowShape::None;
    ArrowShape adfShape = ArrowShape::None;
    ArrowShape courseShape = ArrowShape::None;

    // Half the distance between the lines of DOUBLE, half-width of THICK.
    float vor1Spacing = 0;
    float vor2Spacing = 0;
    float adfSpacing = 0;
    float spare = 0;  // not read

    float dotRadius = 0;
    float toFromSize = 0;
    float toFromLocation = 0;  // a fraction of R
    bool toFromTransparent = false;

    // Pointer shapes set the end cap of their pen for one stroke.
    gfx::Pen* dotPen = nullptr;
    gfx::Pen* vor1Pen = nullptr;
    const gfx::Brush* toFromBrush = nullptr;
    gfx::Pen* vor2Pen = nullptr;
    gfx::Pen* adfPen = nullptr;
    gfx::Pen* coursePen = nullptr;
    gfx::Pen* deviationPen = nullptr;
};

// Four dots at -R/2, R/2, -R/4 and R/4 on the x axis.
void drawDeviationDots(Canvas& canvas, const NavNeedleSet& set);

// One pointer through the origin turned by angle: head at (0, -length),
// tail at (0, length). The pen's end cap is flat again afterwards.
void drawBearingPointer(Canvas& canvas, gfx::Pen* pen, bool antiAlias, float length, float angle,
                        bool closed, ArrowShape shape, float headSize, float spacing);

// VOR 1, VOR 2 and ADF pointers, then the course pointer with its dots,
// deviation bar and to/from triangle.
void drawNavNeedles(Canvas& canvas, const NavNeedleSet& set);

}  // namespace zentra
