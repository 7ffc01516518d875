#pragma once
// An area of the plane: empty, infinite, a rectangle, the inside of a path
// (under the path's fill mode), or a combination of regions.
#include <memory>

#include "platform/gfx/graphics_path.h"
#include "platform/gfx/matrix.h"
#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

namespace detail {
struct RegionNode;
}

class Region {
  public:
    Region();  // infinite
    explicit Region(const RectF& rect);
    explicit Region(const GraphicsPath& path);
    explicit Region(std::shared_ptr<const detail::RegionNode> node);

    Status makeInfinite();
    Status makeEmpty();
    Status combine(const Region& other, CombineMode mode);
    Status combine(const RectF& rect, CombineMode mode);
    Status combine(const GraphicsPath& path, CombineMode mode);
    Status transform(const Matrix& matrix);
    Status translate(float dx, float dy);

    // Infinite regions report a very large rectangle; empty ones 0,0,0,0.
    Status getBounds(RectF* bounds) const;
    bool isVisible(PointF p) const;
    bool isInfinite() const;
    bool isEmpty() const;  // structurally empty (no area by construction)

    const std::shared_ptr<const detail::RegionNode>& node() const { return node_; }

  private:
    std::shared_ptr<const detail::RegionNode> node_;
};

}  // namespace platform::gfx
