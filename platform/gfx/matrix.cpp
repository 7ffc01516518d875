#include "platform/gfx/matrix.h"

#include <cmath>
#include <numbers>

namespace platform::gfx {
namespace {

using Elements = std::array<float, 6>;

// a then b, in point order: p * a * b.
Elements compose(const Elements& a, const Elements& b) {
    // Work in double so that long chains of prepends stay exact enough.
    const double a11 = a[0], a12 = a[1], a21 = a[2], a22 = a[3], ax = a[4], ay = a[5];
    const double b11 = b[0], b12 = b[1], b21 = b[2], b22 = b[3], bx = b[4], by = b[5];
    return {float(a11 * b11 + a12 * b21),    float(a11 * b12 + a12 * b22),
            float(a21 * b11 + a22 * b21),    float(a21 * b12 + a22 * b22),
            float(ax * b11 + ay * b21 + bx), float(ax * b12 + ay * b22 + by)};
}

bool finite(float v) { return std::isfinite(v); }

}  // namespace

Matrix::Matrix(float m11, float m12, float m21, float m22, float dx, float dy)
    : m_{m11, m12, m21, m22, dx, dy} {}

Status Matrix::setElements(float m11, float m12, float m21, float m22, float dx, float dy) {
    for (float v : {m11, m12, m21, m22, dx, dy})
        if (!finite(v)) return Status::InvalidParameter;
    m_ = {m11, m12, m21, m22, dx, dy};
    return Status::Ok;
}

Status Matrix::getElements(float* elements) const {
    if (elements == nullptr) return Status::InvalidParameter;
    for (int i = 0; i < 6; ++i) elements[i] = m_[i];
    return Status::Ok;
}

Status Matrix::reset() {
    m_ = {1, 0, 0, 1, 0, 0};
    return Status::Ok;
}

Status Matrix::multiply(const Matrix& other, MatrixOrder order) {
    if (order == MatrixOrder::Prepend)
        m_ = compose(other.m_, m_);
    else if (order == MatrixOrder::Append)
        m_ = compose(m_, other.m_);
    else
        return Status::InvalidParameter;
    return Status::Ok;
}

Status Matrix::translate(float dx, float dy, MatrixOrder order) {
    if (!finite(dx) || !finite(dy)) return Status::InvalidParameter;
    return multiply(Matrix(1, 0, 0, 1, dx, dy), order);
}

Status Matrix::rotate(float degrees, MatrixOrder order) {
    if (!finite(degrees)) return Status::InvalidParameter;
    const double r = std::fmod(double(degrees), 360.0) * std::numbers::pi / 180.0;
    double c = std::cos(r), s = std::sin(r);
    // Quarter turns exactly, so that rotated right angles stay on the grid.
    if (std::fabs(c) < 1e-12) c = 0;
    if (std::fabs(s) < 1e-12) s = 0;
    return multiply(Matrix(float(c), float(s), float(-s), float(c), 0, 0), order);
}

Status Matrix::scale(float sx, float sy, MatrixOrder order) {
    if (!finite(sx) || !finite(sy)) return Status::InvalidParameter;
    return multiply(Matrix(sx, 0, 0, sy, 0, 0), order);
}

Status Matrix::invert() {
    const double det = double(m_[0]) * m_[3] - double(m_[1]) * m_[2];
    if (det == 0 || !std::isfinite(det)) return Status::InvalidParameter;
    const double i11 = m_[3] / det, i12 = -m_[1] / det;
    const double i21 = -m_[2] / det, i22 = m_[0] / det;
    const double ix = -(m_[4] * i11 + m_[5] * i21);
    const double iy = -(m_[4] * i12 + m_[5] * i22);
    m_ = {float(i11), float(i12), float(i21), float(i22), float(ix), float(iy)};
    return Status::Ok;
}

PointF Matrix::map(PointF p) const {
    const double x = p.x, y = p.y;
    return {float(x * m_[0] + y * m_[2] + m_[4]), float(x * m_[1] + y * m_[3] + m_[5])};
}

Status Matrix::transformPoints(PointF* points, int count) const {
    if (points == nullptr || count < 0) return Status::InvalidParameter;
    for (int i = 0; i < count; ++i) points[i] = map(points[i]);
    return Status::Ok;
}

Status Matrix::transformVectors(PointF* points, int count) const {
    if (points == nullptr || count < 0) return Status::InvalidParameter;
    for (int i = 0; i < count; ++i) {
        const double x = points[i].x, y = points[i].y;
        points[i] = {float(x * m_[0] + y * m_[2]), float(x * m_[1] + y * m_[3])};
    }
    return Status::Ok;
}

bool Matrix::isIdentity() const { return m_ == Elements{1, 0, 0, 1, 0, 0}; }

bool Matrix::isInvertible() const {
    const double det = double(m_[0]) * m_[3] - double(m_[1]) * m_[2];
    return det != 0 && std::isfinite(det);
}

float Matrix::scaleFactor() const {
    return float(std::sqrt(std::fabs(double(m_[0]) * m_[3] - double(m_[1]) * m_[2])));
}

}  // namespace platform::gfx
