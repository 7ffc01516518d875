#include "platform/gfx/region.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/region_node.h"

namespace platform::gfx {
namespace detail {
namespace {

RectF normalised(const RectF& r) {
    RectF n = r;
    if (n.width < 0) {
        n.x += n.width;
        n.width = -n.width;
    }
    if (n.height < 0) {
        n.y += n.height;
        n.height = -n.height;
    }
    return n;
}

RectF intersectRects(const RectF& a, const RectF& b) {
    const float x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const float x1 = std::min(a.right(), b.right()), y1 = std::min(a.bottom(), b.bottom());
    if (x1 <= x0 || y1 <= y0) return {};
    return {x0, y0, x1 - x0, y1 - y0};
}

RectF uniteRects(const RectF& a, const RectF& b) {
    if (a.width <= 0 || a.height <= 0) return b;
    if (b.width <= 0 || b.height <= 0) return a;
    const float x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
    const float x1 = std::max(a.right(), b.right()), y1 = std::max(a.bottom(), b.bottom());
    return {x0, y0, x1 - x0, y1 - y0};
}

}  // namespace

NodePtr emptyNode() {
    static const NodePtr node = [] {
        auto n = std::make_shared<RegionNode>();
        n->type = RegionNode::Type::Empty;
        return n;
    }();
    return node;
}

NodePtr infiniteNode() {
    static const NodePtr node = std::make_shared<RegionNode>();
    return node;
}

NodePtr rectNode(const RectF& rect) {
    const RectF r = normalised(rect);
    if (r.width == 0 || r.height == 0) return emptyNode();
    auto n = std::make_shared<RegionNode>();
    n->type = RegionNode::Type::Rect;
    n->rect = r;
    return n;
}

NodePtr pathNode(const GraphicsPath& path) {
    if (path.empty()) return emptyNode();
    auto n = std::make_shared<RegionNode>();
    n->type = RegionNode::Type::Path;
    n->path = path;
    return n;
}

NodePtr combineNodes(const NodePtr& left, const NodePtr& right, CombineMode mode) {
    using T = RegionNode::Type;
    const bool lEmpty = left->type == T::Empty, rEmpty = right->type == T::Empty;
    const bool lInf = left->type == T::Infinite, rInf = right->type == T::Infinite;
    switch (mode) {
        case CombineMode::Replace:
            return right;
        case CombineMode::Intersect:
            if (lEmpty || rEmpty) return emptyNode();
            if (lInf) return right;
            if (rInf) return left;
            if (left->type == T::Rect && right->type == T::Rect)
                return rectNode(intersectRects(left->rect, right->rect));
            break;
        case CombineMode::Union:
            if (lInf || rInf) return infiniteNode();
            if (lEmpty) return right;
            if (rEmpty) return left;
            break;
        case CombineMode::Xor:
            if (lEmpty) return right;
            if (rEmpty) return left;
            break;
        case CombineMode::Exclude:
            if (lEmpty || rInf) return emptyNode();
            if (rEmpty) return left;
            break;
        case CombineMode::Complement:
            if (rEmpty || lInf) return emptyNode();
            if (lEmpty) return right;
            break;
    }
    auto n = std::make_shared<RegionNode>();
    n->type = T::Combine;
    n->mode = mode;
    n->left = left;
    n->right = right;
    return n;
}

NodePtr transformNode(const NodePtr& node, const Matrix& matrix) {
    using T = RegionNode::Type;
    switch (node->type) {
        case T::Empty:
        case T::Infinite:
            return node;
        case T::Rect: {
            const auto e = matrix.elements();
            if (e[1] == 0 && e[2] == 0) {
                const PointF a = matrix.map({node->rect.x, node->rect.y});
                const PointF b = matrix.map({node->rect.right(), node->rect.bottom()});
                return rectNode({a.x, a.y, b.x - a.x, b.y - a.y});
            }
            GraphicsPath p;
            p.addRectangle(node->rect);
            p.transform(matrix);
            return pathNode(p);
        }
        case T::Path: {
            GraphicsPath p = node->path;
            p.transform(matrix);
            return pathNode(p);
        }
        case T::Combine: {
            auto n = std::make_shared<RegionNode>(*node);
            n->left = transformNode(node->left, matrix);
            n->right = transformNode(node->right, matrix);
            return n;
        }
    }
    return node;
}

RectF nodeBounds(const NodePtr& node) {
    using T = RegionNode::Type;
    switch (node->type) {
        case T::Empty:
            return {};
        case T::Infinite:
            return kInfiniteBounds;
        case T::Rect:
            return node->rect;
        case T::Path: {
            RectF b;
            node->path.getBounds(&b);
            return b;
        }
        case T::Combine: {
            const RectF l = nodeBounds(node->left), r = nodeBounds(node->right);
            switch (node->mode) {
                case CombineMode::Intersect:
                    return intersectRects(l, r);
                case CombineMode::Union:
                case CombineMode::Xor:
                    return uniteRects(l, r);
                case CombineMode::Exclude:
                    return l;
                case CombineMode::Complement:
                    return r;
                case CombineMode::Replace:
                    return r;
            }
        }
    }
    return {};
}

bool nodeContains(const NodePtr& node, PointF p) {
    using T = RegionNode::Type;
    switch (node->type) {
        case T::Empty:
            return false;
        case T::Infinite:
            return true;
        case T::Rect:
            return p.x >= node->rect.x && p.x < node->rect.right() && p.y >= node->rect.y &&
                   p.y < node->rect.bottom();
        case T::Path:
            return node->path.isVisible(p);
        case T::Combine: {
            const bool l = nodeContains(node->left, p), r = nodeContains(node->right, p);
            switch (node->mode) {
                case CombineMode::Intersect:
                    return l && r;
                case CombineMode::Union:
                    return l || r;
                case CombineMode::Xor:
                    return l != r;
                case CombineMode::Exclude:
                    return l && !r;
                case CombineMode::Complement:
                    return r && !l;
                case CombineMode::Replace:
                    return r;
            }
        }
    }
    return false;
}

}  // namespace detail

Region::Region() : node_(detail::infiniteNode()) {}
Region::Region(const RectF& rect) : node_(detail::rectNode(rect)) {}
Region::Region(const GraphicsPath& path) : node_(detail::pathNode(path)) {}
Region::Region(std::shared_ptr<const detail::RegionNode> node)
    : node_(node ? std::move(node) : detail::infiniteNode()) {}

Status Region::makeInfinite() {
    node_ = detail::infiniteNode();
    return Status::Ok;
}

Status Region::makeEmpty() {
    node_ = detail::emptyNode();
    return Status::Ok;
}

namespace {
bool knownMode(CombineMode m) { return int(m) >= 0 && int(m) <= 5; }
}  // namespace

Status Region::combine(const Region& other, CombineMode mode) {
    if (!knownMode(mode)) return Status::InvalidParameter;
    node_ = detail::combineNodes(node_, other.node_, mode);
    return Status::Ok;
}

Status Region::combine(const RectF& rect, CombineMode mode) { return combine(Region(rect), mode); }

Status Region::combine(const GraphicsPath& path, CombineMode mode) {
    return combine(Region(path), mode);
}

Status Region::transform(const Matrix& matrix) {
    node_ = detail::transformNode(node_, matrix);
    return Status::Ok;
}

Status Region::translate(float dx, float dy) {
    if (!std::isfinite(dx) || !std::isfinite(dy)) return Status::InvalidParameter;
    return transform(Matrix(1, 0, 0, 1, dx, dy));
}

Status Region::getBounds(RectF* bounds) const {
    if (bounds == nullptr) return Status::InvalidParameter;
    *bounds = detail::nodeBounds(node_);
    return Status::Ok;
}

bool Region::isVisible(PointF p) const { return detail::nodeContains(node_, p); }
bool Region::isInfinite() const { return node_->type == detail::RegionNode::Type::Infinite; }
bool Region::isEmpty() const { return node_->type == detail::RegionNode::Type::Empty; }

}  // namespace platform::gfx
