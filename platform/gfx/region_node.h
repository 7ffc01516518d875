#pragma once
// Inside of Region: a small tree of shapes and combinations, shared and
// never changed once built.
#include <memory>

#include "platform/gfx/graphics_path.h"
#include "platform/gfx/types.h"

namespace platform::gfx::detail {

struct RegionNode {
    enum class Type { Empty, Infinite, Rect, Path, Combine };
    Type type = Type::Infinite;
    RectF rect;  // Rect: normalised (non-negative size)
    GraphicsPath path;
    CombineMode mode = CombineMode::Intersect;  // Combine: left (mode) right
    std::shared_ptr<const RegionNode> left;
    std::shared_ptr<const RegionNode> right;
};

using NodePtr = std::shared_ptr<const RegionNode>;

NodePtr emptyNode();
NodePtr infiniteNode();
NodePtr rectNode(const RectF& rect);
NodePtr pathNode(const GraphicsPath& path);
NodePtr combineNodes(const NodePtr& left, const NodePtr& right, CombineMode mode);
NodePtr transformNode(const NodePtr& node, const Matrix& matrix);
RectF nodeBounds(const NodePtr& node);
bool nodeContains(const NodePtr& node, PointF p);

// The rectangle that infinite regions report as their bounds.
constexpr RectF kInfiniteBounds{-4194304.0f, -4194304.0f, 8388608.0f, 8388608.0f};

}  // namespace platform::gfx::detail
