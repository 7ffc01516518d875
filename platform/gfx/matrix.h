#pragma once
// 2-D affine transform. Points are row vectors: x' = m11 x + m21 y + dx,
// y' = m12 x + m22 y + dy. Angles in degrees, clockwise with y down.
#include <array>

#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

class Matrix {
  public:
    Matrix() = default;  // identity
    Matrix(float m11, float m12, float m21, float m22, float dx, float dy);

    Status setElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // m11, m12, m21, m22, dx, dy.
    Status getElements(float* elements) const;
    std::array<float, 6> elements() const { return m_; }
    Status reset();

    Status translate(float dx, float dy, MatrixOrder order = MatrixOrder::Prepend);
    Status rotate(float degrees, MatrixOrder order = MatrixOrder::Prepend);
    Status scale(float sx, float sy, MatrixOrder order = MatrixOrder::Prepend);
    Status multiply(const Matrix& other, MatrixOrder order = MatrixOrder::Prepend);
    // InvalidParameter (and unchanged) when the matrix is not invertible.
    Status invert();

    Status transformPoints(PointF* points, int count) const;
    // Directions only: the translation is not applied.
    Status transformVectors(PointF* points, int count) const;
    PointF map(PointF p) const;

    bool isIdentity() const;
    bool isInvertible() const;
    // Square root of |determinant|: how much a length grows, on average.
    float scaleFactor() const;

    friend bool operator==(const Matrix&, const Matrix&) = default;

  private:
    std::array<float, 6> m_{1, 0, 0, 1, 0, 0};
};

}  // namespace platform::gfx
