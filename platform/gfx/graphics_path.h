#pragma once
// A path of figures made of lines and cubic Bezier curves, in the
// coordinates it was built in. Arcs and ellipses become Bezier curves.
// Lines, arcs and curves continue the open figure (joined to its last point
// by a line); rectangles, ellipses, polygons and pies are closed figures of
// their own.
#include <cstdint>
#include <vector>

#include "platform/gfx/matrix.h"
#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

enum class PathPointType : uint8_t { Start = 0, Line = 1, Bezier = 3 };

struct PathFigure {
    // The first point is Start; a Bezier segment is three Bezier points.
    std::vector<PointF> points;
    std::vector<PathPointType> types;
    bool closed = false;
};

class GraphicsPath {
  public:
    explicit GraphicsPath(FillMode mode = FillMode::Alternate);

    Status setFillMode(FillMode mode);
    FillMode fillMode() const { return fillMode_; }

    Status addLine(float x1, float y1, float x2, float y2);
    Status addLines(const PointF* points, int count);
    // Arc of the ellipse in the rectangle; angles in degrees clockwise from
    // the x axis, measured on the ellipse as drawn.
    Status addArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status addBezier(PointF p1, PointF p2, PointF p3, PointF p4);
    Status addRectangle(const RectF& rect);
    Status addEllipse(float x, float y, float width, float height);
    Status addPolygon(const PointF* points, int count);
    Status addPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    Status addPath(const GraphicsPath& other, bool connect);
    Status startFigure();
    Status closeFigure();
    Status closeAllFigures();
    Status reset();

    Status transform(const Matrix& matrix);
    // Bounds of the curve itself (Bezier curves flattened), optionally after
    // a transform.
    Status getBounds(RectF* bounds, const Matrix* matrix = nullptr) const;
    // Inside under the path's fill mode.
    bool isVisible(PointF p) const;

    int pointCount() const;
    bool empty() const { return figures_.empty(); }
    const std::vector<PathFigure>& figures() const { return figures_; }
    // Each figure as a polyline with curves flattened; a closed figure does
    // not repeat its first point.
    std::vector<std::vector<PointF>> flatten(const Matrix* matrix = nullptr) const;

  private:
    PathFigure& openFigure(PointF start);
    void appendArc(PathFigure* figure, float x, float y, float width, float height,
                   float startAngle, float sweepAngle, bool connect);

    FillMode fillMode_;
    std::vector<PathFigure> figures_;
    bool figureOpen_ = false;
};

}  // namespace platform::gfx
