#include "platform/gfx/graphics_path.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace platform::gfx {
namespace {

constexpr double kPi = std::numbers::pi;
// Each Bezier segment becomes this many lines when flattened; enough for
// sub-pixel error on the largest dials we draw, and the same on every run.
constexpr int kCurveSteps = 16;

bool finite(float v) { return std::isfinite(v); }
bool finitePoint(PointF p) { return finite(p.x) && finite(p.y); }

// Parameter of the ellipse point that lies in the direction of the given
// angle, measured on the ellipse as drawn.
double ellipseParameter(double degrees, double rx, double ry) {
    const double a = degrees * kPi / 180.0;
    return std::atan2(rx * std::sin(a), ry * std::cos(a));
}

PointF bezierAt(PointF p0, PointF p1, PointF p2, PointF p3, double t) {
    const double u = 1 - t;
    const double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
    return {float(b0 * p0.x + b1 * p1.x + b2 * p2.x + b3 * p3.x),
            float(b0 * p0.y + b1 * p1.y + b2 * p2.y + b3 * p3.y)};
}

}  // namespace

GraphicsPath::GraphicsPath(FillMode mode) : fillMode_(mode) {}

Status GraphicsPath::setFillMode(FillMode mode) {
    if (mode != FillMode::Alternate && mode != FillMode::Winding) return Status::InvalidParameter;
    fillMode_ = mode;
    return Status::Ok;
}

PathFigure& GraphicsPath::openFigure(PointF start) {
    if (figureOpen_ && !figures_.empty()) {
        PathFigure& f = figures_.back();
        if (!(f.points.back() == start)) {
            f.points.push_back(start);
            f.types.push_back(PathPointType::Line);
        }
        return f;
    }
    figures_.push_back({});
    PathFigure& f = figures_.back();
    f.points.push_back(start);
    f.types.push_back(PathPointType::Start);
    figureOpen_ = true;
    return f;
}

Status GraphicsPath::addLine(float x1, float y1, float x2, float y2) {
    const PointF pts[2] = {{x1, y1}, {x2, y2}};
    return addLines(pts, 2);
}

Status GraphicsPath::addLines(const PointF* points, int count) {
    if (points == nullptr || count < 1) return Status::InvalidParameter;
    for (int i = 0; i < count; ++i)
        if (!finitePoint(points[i])) return Status::InvalidParameter;
    PathFigure& f = openFigure(points[0]);
    for (int i = 1; i < count; ++i) {
        f.points.push_back(points[i]);
        f.types.push_back(PathPointType::Line);
    }
    return Status::Ok;
}

void GraphicsPath::appendArc(PathFigure* figure, float x, float y, float width, float height,
                             float startAngle, float sweepAngle, bool connect) {
    const double rx = width / 2.0, ry = height / 2.0;
    const double cx = x + rx, cy = y + ry;
    const double sweep = std::clamp(double(sweepAngle), -360.0, 360.0);
    const double t0 = ellipseParameter(startAngle, rx, ry);
    double span = 0;
    if (std::fabs(sweep) >= 360.0) {
        span = sweep > 0 ? 2 * kPi : -2 * kPi;
    } else if (sweep != 0) {
        span = ellipseParameter(double(startAngle) + sweep, rx, ry) - t0;
        if (sweep > 0)
            while (span < 0) span += 2 * kPi;
        else
            while (span > 0) span -= 2 * kPi;
    }
    auto at = [&](double t) {
        return PointF{float(cx + rx * std::cos(t)), float(cy + ry * std::sin(t))};
    };
    const PointF start = at(t0);
    PathFigure* f = figure;
    if (f == nullptr) {
        f = &openFigure(start);
    } else if (f->points.empty()) {
        f->points.push_back(start);
        f->types.push_back(PathPointType::Start);
    } else if (connect && !(f->points.back() == start)) {
        f->points.push_back(start);
        f->types.push_back(PathPointType::Line);
    }
    if (span == 0) return;
    const int segments = std::max(1, int(std::ceil(std::fabs(span) / (kPi / 2) - 1e-9)));
    const double step = span / segments;
    const double k = 4.0 / 3.0 * std::tan(step / 4);
    for (int i = 0; i < segments; ++i) {
        const double a = t0 + step * i;
        const double b = (i + 1 == segments) ? t0 + span : a + step;
        const PointF p0 = at(a), p3 = at(b);
        const PointF c1{float(p0.x - k * rx * std::sin(a)), float(p0.y + k * ry * std::cos(a))};
        const PointF c2{float(p3.x + k * rx * std::sin(b)), float(p3.y - k * ry * std::cos(b))};
        f->points.insert(f->points.end(), {c1, c2, p3});
        f->types.insert(f->types.end(), 3, PathPointType::Bezier);
    }
}

Status GraphicsPath::addArc(float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    if (!finite(x) || !finite(y) || !finite(width) || !finite(height) || !finite(startAngle) ||
        !finite(sweepAngle) || width <= 0 || height <= 0)
        return Status::InvalidParameter;
    appendArc(nullptr, x, y, width, height, startAngle, sweepAngle, true);
    return Status::Ok;
}

Status GraphicsPath::addBezier(PointF p1, PointF p2, PointF p3, PointF p4) {
    if (!finitePoint(p1) || !finitePoint(p2) || !finitePoint(p3) || !finitePoint(p4))
        return Status::InvalidParameter;
    PathFigure& f = openFigure(p1);
    f.points.insert(f.points.end(), {p2, p3, p4});
    f.types.insert(f.types.end(), 3, PathPointType::Bezier);
    return Status::Ok;
}

Status GraphicsPath::addRectangle(const RectF& r) {
    if (!finite(r.x) || !finite(r.y) || !finite(r.width) || !finite(r.height))
        return Status::InvalidParameter;
    if (r.width == 0 || r.height == 0) return Status::Ok;
    const PointF pts[4] = {
        {r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
    return addPolygon(pts, 4);
}

Status GraphicsPath::addEllipse(float x, float y, float width, float height) {
    if (!finite(x) || !finite(y) || !finite(width) || !finite(height) || width <= 0 || height <= 0)
        return Status::InvalidParameter;
    figureOpen_ = false;
    figures_.push_back({});
    appendArc(&figures_.back(), x, y, width, height, 0, 360, false);
    figures_.back().closed = true;
    return Status::Ok;
}

Status GraphicsPath::addPolygon(const PointF* points, int count) {
    if (points == nullptr || count < 2) return Status::InvalidParameter;
    for (int i = 0; i < count; ++i)
        if (!finitePoint(points[i])) return Status::InvalidParameter;
    figureOpen_ = false;
    PathFigure f;
    f.points.assign(points, points + count);
    f.types.assign(size_t(count), PathPointType::Line);
    f.types[0] = PathPointType::Start;
    f.closed = true;
    figures_.push_back(std::move(f));
    return Status::Ok;
}

Status GraphicsPath::addPie(float x, float y, float width, float height, float startAngle,
                            float sweepAngle) {
    if (!finite(x) || !finite(y) || !finite(width) || !finite(height) || !finite(startAngle) ||
        !finite(sweepAngle) || width <= 0 || height <= 0)
        return Status::InvalidParameter;
    figureOpen_ = false;
    PathFigure f;
    f.points.push_back({x + width / 2, y + height / 2});
    f.types.push_back(PathPointType::Start);
    figures_.push_back(std::move(f));
    appendArc(&figures_.back(), x, y, width, height, startAngle, sweepAngle, true);
    figures_.back().closed = true;
    return Status::Ok;
}

Status GraphicsPath::addPath(const GraphicsPath& other, bool connect) {
    if (&other == this) {
        const GraphicsPath copy = other;
        return addPath(copy, connect);
    }
    for (size_t i = 0; i < other.figures_.size(); ++i) {
        const PathFigure& src = other.figures_[i];
        if (i == 0 && connect && figureOpen_ && !figures_.empty()) {
            PathFigure& f = figures_.back();
            f.points.insert(f.points.end(), src.points.begin(), src.points.end());
            f.types.push_back(PathPointType::Line);
            f.types.insert(f.types.end(), src.types.begin() + 1, src.types.end());
            f.closed = src.closed;
        } else {
            figures_.push_back(src);
        }
    }
    if (!other.figures_.empty()) figureOpen_ = other.figureOpen_ && !figures_.back().closed;
    return Status::Ok;
}

Status GraphicsPath::startFigure() {
    figureOpen_ = false;
    return Status::Ok;
}

Status GraphicsPath::closeFigure() {
    if (figureOpen_ && !figures_.empty()) figures_.back().closed = true;
    figureOpen_ = false;
    return Status::Ok;
}

Status GraphicsPath::closeAllFigures() {
    for (PathFigure& f : figures_) f.closed = true;
    figureOpen_ = false;
    return Status::Ok;
}

Status GraphicsPath::reset() {
    figures_.clear();
    figureOpen_ = false;
    fillMode_ = FillMode::Alternate;
    return Status::Ok;
}

Status GraphicsPath::transform(const Matrix& matrix) {
    for (PathFigure& f : figures_) matrix.transformPoints(f.points.data(), int(f.points.size()));
    return Status::Ok;
}

int GraphicsPath::pointCount() const {
    size_t n = 0;
    for (const PathFigure& f : figures_) n += f.points.size();
    return int(n);
}

std::vector<std::vector<PointF>> GraphicsPath::flatten(const Matrix* matrix) const {
    std::vector<std::vector<PointF>> out;
    out.reserve(figures_.size());
    for (const PathFigure& f : figures_) {
        std::vector<PointF> pts = f.points;
        if (matrix != nullptr) matrix->transformPoints(pts.data(), int(pts.size()));
        std::vector<PointF> line;
        line.reserve(pts.size());
        for (size_t i = 0; i < pts.size(); ++i) {
            if (f.types[i] == PathPointType::Bezier && i + 2 < pts.size() && i > 0) {
                const PointF p0 = pts[i - 1];
                for (int s = 1; s <= kCurveSteps; ++s)
                    line.push_back(
                        bezierAt(p0, pts[i], pts[i + 1], pts[i + 2], double(s) / kCurveSteps));
                i += 2;
            } else {
                line.push_back(pts[i]);
            }
        }
        if (f.closed && line.size() > 1 && line.front() == line.back()) line.pop_back();
        out.push_back(std::move(line));
    }
    return out;
}

Status GraphicsPath::getBounds(RectF* bounds, const Matrix* matrix) const {
    if (bounds == nullptr) return Status::InvalidParameter;
    float x0 = std::numeric_limits<float>::max(), y0 = x0;
    float x1 = std::numeric_limits<float>::lowest(), y1 = x1;
    bool any = false;
    for (const auto& fig : flatten(matrix)) {
        for (PointF p : fig) {
            x0 = std::min(x0, p.x);
            y0 = std::min(y0, p.y);
            x1 = std::max(x1, p.x);
            y1 = std::max(y1, p.y);
            any = true;
        }
    }
    *bounds = any ? RectF{x0, y0, x1 - x0, y1 - y0} : RectF{};
    return Status::Ok;
}

bool GraphicsPath::isVisible(PointF p) const {
    int crossings = 0;
    int winding = 0;
    for (const auto& fig : flatten()) {
        const size_t n = fig.size();
        if (n < 2) continue;
        for (size_t i = 0; i < n; ++i) {
            const PointF a = fig[i], b = fig[(i + 1) % n];
            if ((a.y <= p.y) != (b.y <= p.y)) {
                const double t = (double(p.y) - a.y) / (double(b.y) - a.y);
                const double x = a.x + t * (double(b.x) - a.x);
                if (x > p.x) {
                    ++crossings;
                    winding += (b.y > a.y) ? 1 : -1;
                }
            }
        }
    }
    return fillMode_ == FillMode::Alternate ? (crossings % 2) == 1 : winding != 0;
}

}  // namespace platform::gfx
