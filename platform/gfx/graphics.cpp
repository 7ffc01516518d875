#include "platform/gfx/graphics.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include "platform/gfx/draw_recording.h"
#include "platform/gfx/gfx_init.h"
#include "platform/gfx/raster_target.h"
#include "platform/gfx/region_node.h"
#include "platform/gfx/text_layout.h"

namespace platform::gfx {

using detail::IntRect;
using detail::NodePtr;
using detail::RegionNode;

namespace {

std::atomic<uint32_t> nextSource{1};

// Anchor caps: a filled triangle 4 pen widths wide at its base with its tip
// on the line's end; the line stops at the base.
constexpr float kArrowHalfWidth = 2.0f;
constexpr float kArrowLength = 3.4641016f;  // equilateral: 4 * sqrt(3) / 2
constexpr double kMiterLimit = 10.0;

cairo_matrix_t toCairo(const Matrix& m) {
    const auto e = m.elements();
    cairo_matrix_t c;
    cairo_matrix_init(&c, e[0], e[1], e[2], e[3], e[4], e[5]);
    return c;
}

void setColor(cairo_t* cr, Argb c) {
    cairo_set_source_rgba(cr, redOf(c) / 255.0, greenOf(c) / 255.0, blueOf(c) / 255.0,
                          alphaOf(c) / 255.0);
}

cairo_pattern_t* hatchPattern(const HatchBrush& b) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 8, 8);
    cairo_surface_flush(s);
    uint8_t* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    auto premul = [](Argb c) {
        const uint32_t a = alphaOf(c);
        auto p = [a](uint32_t v) { return (v * a + 127) / 255; };
        return (a << 24) | (p(redOf(c)) << 16) | (p(greenOf(c)) << 8) | p(blueOf(c));
    };
    const uint32_t fore = premul(b.foreColor()), back = premul(b.backColor());
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const uint32_t v = HatchBrush::patternBit(b.style(), x, y) ? fore : back;
            std::memcpy(data + size_t(y) * stride + size_t(x) * 4, &v, 4);
        }
    cairo_surface_mark_dirty(s);
    cairo_pattern_t* p = cairo_pattern_create_for_surface(s);
    cairo_surface_destroy(s);
    cairo_pattern_set_extend(p, CAIRO_EXTEND_REPEAT);
    cairo_pattern_set_filter(p, CAIRO_FILTER_NEAREST);
    return p;
}

// Sets the brush as source; call with the identity matrix in force so that
// hatch patterns stay on the device pixel grid.
void setBrush(cairo_t* cr, const Brush& brush) {
    if (brush.kind() == BrushKind::Solid) {
        setColor(cr, static_cast<const SolidBrush&>(brush).color());
    } else {
        cairo_pattern_t* p = hatchPattern(static_cast<const HatchBrush&>(brush));
        cairo_set_source(cr, p);
        cairo_pattern_destroy(p);
    }
}

bool validBrush(const Brush* brush) {
    if (brush == nullptr) return false;
    if (brush->kind() == BrushKind::Hatch)
        return HatchBrush::isKnownStyle(static_cast<const HatchBrush*>(brush)->style());
    return brush->kind() == BrushKind::Solid;
}

void addFigures(cairo_t* cr, const std::vector<PathFigure>& figures) {
    for (const PathFigure& f : figures) {
        if (f.points.empty()) continue;
        cairo_move_to(cr, f.points[0].x, f.points[0].y);
        for (size_t i = 1; i < f.points.size(); ++i) {
            if (f.types[i] == PathPointType::Bezier && i + 2 < f.points.size()) {
                cairo_curve_to(cr, f.points[i].x, f.points[i].y, f.points[i + 1].x,
                               f.points[i + 1].y, f.points[i + 2].x, f.points[i + 2].y);
                i += 2;
            } else {
                cairo_line_to(cr, f.points[i].x, f.points[i].y);
            }
        }
        if (f.closed) cairo_close_path(cr);
    }
}

void addNodePath(cairo_t* cr, const RegionNode& n) {
    if (n.type == RegionNode::Type::Rect) {
        cairo_rectangle(cr, n.rect.x, n.rect.y, n.rect.width, n.rect.height);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    } else {
        addFigures(cr, n.path.figures());
        cairo_set_fill_rule(cr, n.path.fillMode() == FillMode::Alternate ? CAIRO_FILL_RULE_EVEN_ODD
                                                                         : CAIRO_FILL_RULE_WINDING);
    }
}

// Regions are not anti-aliased: a pixel is in when its centre is.
cairo_surface_t* renderMask(const NodePtr& n, int w, int h) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_A8, w, h);
    cairo_t* cr = cairo_create(s);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    switch (n->type) {
        case RegionNode::Type::Empty:
            break;
        case RegionNode::Type::Infinite:
            cairo_paint(cr);
            break;
        case RegionNode::Type::Rect:
        case RegionNode::Type::Path:
            addNodePath(cr, *n);
            cairo_fill(cr);
            break;
        case RegionNode::Type::Combine: {
            cairo_surface_t* l = renderMask(n->left, w, h);
            cairo_set_source_surface(cr, l, 0, 0);
            cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
            cairo_paint(cr);
            cairo_surface_destroy(l);
            cairo_surface_t* r = renderMask(n->right, w, h);
            cairo_operator_t op = CAIRO_OPERATOR_SOURCE;
            switch (n->mode) {
                case CombineMode::Replace:
                    op = CAIRO_OPERATOR_SOURCE;
                    break;
                case CombineMode::Intersect:
                    op = CAIRO_OPERATOR_IN;
                    break;
                case CombineMode::Union:
                    op = CAIRO_OPERATOR_OVER;
                    break;
                case CombineMode::Xor:
                    op = CAIRO_OPERATOR_XOR;
                    break;
                case CombineMode::Exclude:
                    op = CAIRO_OPERATOR_DEST_OUT;
                    break;
                case CombineMode::Complement:
                    op = CAIRO_OPERATOR_OUT;
                    break;
            }
            cairo_set_operator(cr, op);
            cairo_set_source_surface(cr, r, 0, 0);
            cairo_paint(cr);
            cairo_surface_destroy(r);
            break;
        }
    }
    cairo_destroy(cr);
    cairo_surface_flush(s);
    return s;
}

// Leaves of a chain of intersections, or false when the region is anything else.
bool intersectionLeaves(const NodePtr& n, std::vector<const RegionNode*>* out) {
    switch (n->type) {
        case RegionNode::Type::Rect:
        case RegionNode::Type::Path:
            out->push_back(n.get());
            return true;
        case RegionNode::Type::Combine:
            return n->mode == CombineMode::Intersect && intersectionLeaves(n->left, out) &&
                   intersectionLeaves(n->right, out);
        default:
            return false;
    }
}

RectF deviceAabb(const Matrix& m, const RectF& r) {
    PointF c[4] = {{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
    m.transformPoints(c, 4);
    float x0 = c[0].x, y0 = c[0].y, x1 = x0, y1 = y0;
    for (const PointF& p : c) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

RectF grow(const RectF& r, float by) {
    return {r.x - by, r.y - by, r.width + 2 * by, r.height + 2 * by};
}

IntRect toIntRect(const RectF& r) {
    auto clampi = [](double v) { return int(std::clamp(v, -1.0e9, 1.0e9)); };
    return {clampi(std::floor(r.x)), clampi(std::floor(r.y)), clampi(std::ceil(r.right())),
            clampi(std::ceil(r.bottom()))};
}

// World-unit pens scale with the transform; pixel pens keep their width.
float penDeviceWidth(const Pen& pen, float scale) {
    const bool pixels = pen.unit() == Unit::Pixel || pen.unit() == Unit::Display;
    return pixels ? pen.width() : pen.width() * scale;
}

bool antiAliased(SmoothingMode m) {
    return m == SmoothingMode::AntiAlias || m == SmoothingMode::HighQuality;
}

std::vector<PointF> corners(const RectF& r) {
    return {{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}};
}

bool finiteAll(std::initializer_list<float> vs) {
    for (float v : vs)
        if (!std::isfinite(v)) return false;
    return true;
}

}  // namespace

struct Graphics::Impl {
    struct State {
        Matrix local;
        Matrix base;
        NodePtr baseClip = detail::infiniteNode();   // device
        NodePtr localClip = detail::infiniteNode();  // device
        SmoothingMode smoothing = SmoothingMode::Default;
        TextRenderingHint hint = TextRenderingHint::SystemDefault;
    };
    enum class ClipMode { None, Direct, Mask, Empty };

    std::unique_ptr<detail::RasterTarget> target;
    int width = 0;
    int height = 0;
    uint32_t source = nextSource++;
    std::vector<DrawObserver*> observers;

    State st;
    std::vector<std::pair<GraphicsContainer, State>> stack;
    GraphicsContainer nextContainer = 1;

    // Clip as last given to cairo.
    NodePtr appliedClip;
    unsigned appliedGeneration = 0;
    ClipMode clipMode = ClipMode::None;
    cairo_surface_t* mask = nullptr;
    IntRect clipRect;

    // Effective clip, kept while base and local clip stay the same.
    mutable NodePtr cachedBase, cachedLocal, cachedClip;
    mutable std::optional<RectF> cachedClipBounds;

    ~Impl() {
        detail::CairoLock lock;
        if (mask != nullptr) cairo_surface_destroy(mask);
    }

    Matrix device() const {
        Matrix d = st.base;
        d.multiply(st.local, MatrixOrder::Prepend);
        return d;
    }

    const NodePtr& effectiveClip() const {
        if (cachedClip == nullptr || cachedBase != st.baseClip || cachedLocal != st.localClip) {
            cachedBase = st.baseClip;
            cachedLocal = st.localClip;
            cachedClip = detail::combineNodes(st.baseClip, st.localClip, CombineMode::Intersect);
            cachedClipBounds.reset();
            if (cachedClip->type != RegionNode::Type::Infinite)
                cachedClipBounds = detail::nodeBounds(cachedClip);
        }
        return cachedClip;
    }

    DrawRecord record(DrawKind kind) const {
        DrawRecord r;
        r.kind = kind;
        r.source = source;
        effectiveClip();
        r.clip = cachedClipBounds;
        const auto e = device().elements();
        std::copy(e.begin(), e.end(), r.transform);
        r.smoothing = st.smoothing;
        return r;
    }

    void emit(const DrawRecord& r) {
        for (DrawObserver* o : observers) o->onDraw(r);
    }

    static void describePen(DrawRecord* r, const Pen& pen, float scale) {
        r->hasPen = true;
        r->penColor = pen.color();
        r->penWidth = penDeviceWidth(pen, scale);
        r->dash = pen.dashPattern();
        r->startCap = pen.startCap();
        r->endCap = pen.endCap();
    }

    static void describeBrush(DrawRecord* r, const Brush& brush) {
        r->hasBrush = true;
        if (brush.kind() == BrushKind::Solid) {
            r->brushColor = static_cast<const SolidBrush&>(brush).color();
        } else {
            const auto& h = static_cast<const HatchBrush&>(brush);
            r->brushColor = h.foreColor();
            r->hatchStyle = int32_t(h.style());
            r->hatchBackColor = h.backColor();
        }
    }

    ClipMode applyClip(cairo_t* cr) {
        const NodePtr& clip = effectiveClip();
        if (clip == appliedClip && target->generation() == appliedGeneration) return clipMode;
        appliedClip = clip;
        appliedGeneration = target->generation();
        if (mask != nullptr) cairo_surface_destroy(mask);
        mask = nullptr;
        cairo_reset_clip(cr);
        clipRect = target->bounds();
        if (clip->type == RegionNode::Type::Empty) return clipMode = ClipMode::Empty;
        if (clip->type == RegionNode::Type::Infinite) return clipMode = ClipMode::None;
        clipRect = clipRect.intersect(toIntRect(*cachedClipBounds));
        if (clipRect.empty()) return clipMode = ClipMode::Empty;
        std::vector<const RegionNode*> leaves;
        if (intersectionLeaves(clip, &leaves)) {
            cairo_identity_matrix(cr);
            cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
            for (const RegionNode* leaf : leaves) {
                cairo_new_path(cr);
                addNodePath(cr, *leaf);
                cairo_clip(cr);
            }
            return clipMode = ClipMode::Direct;
        }
        mask = renderMask(clip, target->width(), target->height());
        return clipMode = ClipMode::Mask;
    }

    // Runs one raster operation that touches at most deviceBounds.
    void raster(const RectF& deviceBounds, const std::function<void(cairo_t*)>& draw) {
        if (!target) return;
        detail::CairoLock lock;
        cairo_t* cr = target->context();
        if (cr == nullptr) return;
        const ClipMode mode = applyClip(cr);
        if (mode == ClipMode::Empty) return;
        const IntRect area = toIntRect(deviceBounds).intersect(clipRect);
        if (area.empty()) return;
        target->syncIn(area);
        if (mode == ClipMode::Mask) cairo_push_group(cr);
        cairo_new_path(cr);
        cairo_identity_matrix(cr);
        draw(cr);
        cairo_new_path(cr);
        cairo_identity_matrix(cr);
        if (mode == ClipMode::Mask) {
            cairo_pop_group_to_source(cr);
            cairo_mask_surface(cr, mask, 0, 0);
        }
        target->syncOut(area);
    }

    Status stroke(const Pen* pen, const GraphicsPath& path, DrawRecord rec) {
        const Matrix dev = device();
        const float f = dev.scaleFactor();
        describePen(&rec, *pen, f);
        emit(rec);
        if (!target || !dev.isInvertible() || path.empty()) return Status::Ok;
        // Width in world units for cairo; at least one device pixel.
        float w = penDeviceWidth(*pen, f) / f;
        if (w * f < 1.0f) w = 1.0f / f;
        const float margin = float(w * f * kMiterLimit / 2 + w * f * kArrowLength + 2);
        raster(touchedArea(path, dev, margin), [&](cairo_t* cr) {
            const cairo_matrix_t cm = toCairo(dev);
            setColor(cr, pen->color());
            cairo_set_matrix(cr, &cm);
            cairo_set_antialias(
                cr, antiAliased(st.smoothing) ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
            cairo_set_line_width(cr, w);
            cairo_set_miter_limit(cr, kMiterLimit);
            LineCap cap = pen->endCap() == LineCap::ArrowAnchor ? pen->startCap() : pen->endCap();
            if (cap == LineCap::ArrowAnchor) cap = LineCap::Flat;
            cairo_set_line_cap(cr, cap == LineCap::Round    ? CAIRO_LINE_CAP_ROUND
                                   : cap == LineCap::Square ? CAIRO_LINE_CAP_SQUARE
                                                            : CAIRO_LINE_CAP_BUTT);
            cairo_set_line_join(cr, pen->lineJoin() == LineJoin::Round   ? CAIRO_LINE_JOIN_ROUND
                                    : pen->lineJoin() == LineJoin::Bevel ? CAIRO_LINE_JOIN_BEVEL
                                                                         : CAIRO_LINE_JOIN_MITER);
            std::vector<double> dashes;
            for (float d : pen->dashPattern()) dashes.push_back(double(d) * w);
            cairo_set_dash(cr, dashes.data(), int(dashes.size()), double(pen->dashOffset()) * w);

            // Arrow heads on the open figures' ends; the line stops at the head's base.
            std::vector<PathFigure> figures = path.figures();
            std::vector<std::array<PointF, 3>> heads;
            auto anchor = [&](PathFigure& fig, bool atEnd) {
                const size_t n = fig.points.size();
                if (n < 2) return;
                const size_t tip = atEnd ? n - 1 : 0;
                PointF p = fig.points[tip];
                PointF q = p;
                for (size_t k = 1; k < n && q == p; ++k) q = fig.points[atEnd ? n - 1 - k : k];
                const double dx = p.x - q.x, dy = p.y - q.y, len = std::hypot(dx, dy);
                if (len == 0) return;
                const double ux = dx / len, uy = dy / len;
                const double hl = std::min<double>(kArrowLength * w, len);
                const double hw = kArrowHalfWidth * w;
                const PointF base{float(p.x - ux * hl), float(p.y - uy * hl)};
                heads.push_back({p, PointF{float(base.x - uy * hw), float(base.y + ux * hw)},
                                 PointF{float(base.x + uy * hw), float(base.y - ux * hw)}});
                fig.points[tip] = base;
            };
            for (PathFigure& fig : figures) {
                if (fig.closed) continue;
                if (pen->endCap() == LineCap::ArrowAnchor) anchor(fig, true);
                if (pen->startCap() == LineCap::ArrowAnchor) anchor(fig, false);
            }
            addFigures(cr, figures);
            cairo_stroke(cr);
            cairo_set_dash(cr, nullptr, 0, 0);
            for (const auto& h : heads) {
                cairo_move_to(cr, h[0].x, h[0].y);
                cairo_line_to(cr, h[1].x, h[1].y);
                cairo_line_to(cr, h[2].x, h[2].y);
                cairo_close_path(cr);
            }
            cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
            if (!heads.empty()) cairo_fill(cr);
        });
        return Status::Ok;
    }

    Status fill(const Brush* brush, const GraphicsPath& path, DrawRecord rec) {
        describeBrush(&rec, *brush);
        emit(rec);
        const Matrix dev = device();
        if (!target || !dev.isInvertible() || path.empty()) return Status::Ok;
        raster(touchedArea(path, dev, 2), [&](cairo_t* cr) {
            const cairo_matrix_t cm = toCairo(dev);
            setBrush(cr, *brush);
            cairo_set_matrix(cr, &cm);
            cairo_set_antialias(
                cr, antiAliased(st.smoothing) ? CAIRO_ANTIALIAS_DEFAULT : CAIRO_ANTIALIAS_NONE);
            addFigures(cr, path.figures());
            cairo_set_fill_rule(cr, path.fillMode() == FillMode::Alternate
                                        ? CAIRO_FILL_RULE_EVEN_ODD
                                        : CAIRO_FILL_RULE_WINDING);
            cairo_fill(cr);
        });
        return Status::Ok;
    }

    bool recording() const { return !observers.empty(); }

    // Record points in device space; nothing is built when nobody records.
    std::vector<PointF> mapped(const PointF* pts, int count) const {
        if (!recording()) return {};
        std::vector<PointF> out(pts, pts + count);
        device().transformPoints(out.data(), count);
        return out;
    }
    std::vector<PointF> mapped(std::initializer_list<PointF> pts) const {
        return mapped(pts.begin(), int(pts.size()));
    }
    std::vector<PointF> mappedCorners(const RectF& r) const {
        return mapped({{r.x, r.y}, {r.right(), r.y}, {r.right(), r.bottom()}, {r.x, r.bottom()}});
    }
    void addFlattened(DrawRecord* r, const GraphicsPath& path) const {
        if (!recording()) return;
        const Matrix dev = device();
        for (const auto& fig : path.flatten(&dev)) {
            r->points.insert(r->points.end(), fig.begin(), fig.end());
            r->figureSizes.push_back(int(fig.size()));
        }
    }

    // Device area a call may touch: only the shadowed targets need it tight.
    RectF touchedArea(const GraphicsPath& path, const Matrix& dev, float margin) const {
        if (!target->shadowed()) return {0, 0, float(target->width()), float(target->height())};
        RectF b;
        path.getBounds(&b, &dev);
        return grow(b, margin);
    }
};

Graphics::Graphics(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Graphics::~Graphics() = default;

Status Graphics::create(host::HDC hdc, std::unique_ptr<Graphics>* out) {
    if (out == nullptr || hdc == nullptr || !isValidSurface(*hdc)) return Status::InvalidParameter;
    detail::ensureInitialised();
    auto impl = std::make_unique<Impl>();
    impl->target = std::make_unique<detail::RasterTarget>(hdc);
    detail::CairoLock lock;
    if (impl->target->context() == nullptr) return Status::InvalidParameter;
    impl->width = hdc->width;
    impl->height = hdc->height;
    if (DrawObserver* o = drawRecordingObserver()) impl->observers.push_back(o);
    out->reset(new Graphics(std::move(impl)));
    return Status::Ok;
}

Status Graphics::create(Bitmap* bitmap, std::unique_ptr<Graphics>* out) {
    if (bitmap == nullptr || !bitmap->valid()) return Status::InvalidParameter;
    return create(bitmap->surface(), out);
}

Status Graphics::createRecording(int width, int height, DrawObserver* observer,
                                 std::unique_ptr<Graphics>* out) {
    if (out == nullptr || width < 0 || height < 0) return Status::InvalidParameter;
    auto impl = std::make_unique<Impl>();
    impl->width = width;
    impl->height = height;
    if (observer != nullptr) impl->observers.push_back(observer);
    if (DrawObserver* o = drawRecordingObserver(); o != nullptr && o != observer)
        impl->observers.push_back(o);
    out->reset(new Graphics(std::move(impl)));
    return Status::Ok;
}

int Graphics::width() const { return impl_->target ? impl_->target->width() : impl_->width; }
int Graphics::height() const { return impl_->target ? impl_->target->height() : impl_->height; }
bool Graphics::isRecordingOnly() const { return !impl_->target; }

Status Graphics::addObserver(DrawObserver* observer) {
    if (observer == nullptr) return Status::InvalidParameter;
    auto& v = impl_->observers;
    if (std::find(v.begin(), v.end(), observer) == v.end()) v.push_back(observer);
    return Status::Ok;
}

Status Graphics::removeObserver(DrawObserver* observer) {
    auto& v = impl_->observers;
    auto it = std::find(v.begin(), v.end(), observer);
    if (it == v.end()) return Status::InvalidParameter;
    v.erase(it);
    return Status::Ok;
}

Status Graphics::setSmoothingMode(SmoothingMode mode) {
    if (int(mode) < 0 || int(mode) > 4) return Status::InvalidParameter;
    impl_->st.smoothing = mode;
    return Status::Ok;
}

SmoothingMode Graphics::smoothingMode() const { return impl_->st.smoothing; }

Status Graphics::getSmoothingMode(SmoothingMode* mode) const {
    if (mode == nullptr) return Status::InvalidParameter;
    *mode = impl_->st.smoothing;
    return Status::Ok;
}

Status Graphics::setTextRenderingHint(TextRenderingHint hint) {
    if (int(hint) < 0 || int(hint) > 5) return Status::InvalidParameter;
    impl_->st.hint = hint;
    return Status::Ok;
}

TextRenderingHint Graphics::textRenderingHint() const { return impl_->st.hint; }

Status Graphics::getTextRenderingHint(TextRenderingHint* hint) const {
    if (hint == nullptr) return Status::InvalidParameter;
    *hint = impl_->st.hint;
    return Status::Ok;
}

Status Graphics::beginContainer(GraphicsContainer* container) {
    if (container == nullptr) return Status::InvalidParameter;
    Impl& i = *impl_;
    const GraphicsContainer id = i.nextContainer++;
    i.stack.emplace_back(id, i.st);
    Impl::State inner = i.st;
    inner.base = i.device();
    inner.local = Matrix();
    inner.baseClip = i.effectiveClip();
    inner.localClip = detail::infiniteNode();
    i.st = inner;
    *container = id;
    return Status::Ok;
}

Status Graphics::endContainer(GraphicsContainer container) {
    Impl& i = *impl_;
    for (size_t k = i.stack.size(); k-- > 0;) {
        if (i.stack[k].first == container) {
            i.st = i.stack[k].second;
            i.stack.resize(k);
            return Status::Ok;
        }
    }
    return Status::InvalidParameter;
}

Status Graphics::resetTransform() { return impl_->st.local.reset(); }

Status Graphics::setTransform(const Matrix& matrix) {
    impl_->st.local = matrix;
    return Status::Ok;
}

Status Graphics::getTransform(Matrix* matrix) const {
    if (matrix == nullptr) return Status::InvalidParameter;
    *matrix = impl_->st.local;
    return Status::Ok;
}

Status Graphics::translateTransform(float dx, float dy, MatrixOrder order) {
    return impl_->st.local.translate(dx, dy, order);
}

Status Graphics::rotateTransform(float degrees, MatrixOrder order) {
    return impl_->st.local.rotate(degrees, order);
}

Status Graphics::scaleTransform(float sx, float sy, MatrixOrder order) {
    return impl_->st.local.scale(sx, sy, order);
}

Status Graphics::multiplyTransform(const Matrix& matrix, MatrixOrder order) {
    return impl_->st.local.multiply(matrix, order);
}

Matrix Graphics::deviceTransform() const { return impl_->device(); }

Status Graphics::setClip(const Region& region, CombineMode mode) {
    if (int(mode) < 0 || int(mode) > 5) return Status::InvalidParameter;
    Impl& i = *impl_;
    const NodePtr dev = detail::transformNode(region.node(), i.device());
    i.st.localClip = detail::combineNodes(i.st.localClip, dev, mode);
    return Status::Ok;
}

Status Graphics::setClip(const RectF& rect, CombineMode mode) {
    if (!finiteAll({rect.x, rect.y, rect.width, rect.height})) return Status::InvalidParameter;
    return setClip(Region(rect), mode);
}

Status Graphics::setClip(const GraphicsPath& path, CombineMode mode) {
    return setClip(Region(path), mode);
}

Status Graphics::resetClip() {
    impl_->st.localClip = detail::infiniteNode();
    return Status::Ok;
}

Status Graphics::getClipBounds(RectF* bounds) const {
    if (bounds == nullptr) return Status::InvalidParameter;
    const Impl& i = *impl_;
    const NodePtr& clip = i.effectiveClip();
    if (clip->type == RegionNode::Type::Infinite) {
        *bounds = detail::kInfiniteBounds;
        return Status::Ok;
    }
    Matrix inv = i.device();
    if (inv.invert() != Status::Ok) return Status::WrongState;
    *bounds = deviceAabb(inv, *i.cachedClipBounds);
    return Status::Ok;
}

Region Graphics::deviceClip() const { return Region(impl_->effectiveClip()); }

Status Graphics::clear(Argb color) {
    Impl& i = *impl_;
    DrawRecord r = i.record(DrawKind::Clear);
    r.hasBrush = true;
    r.brushColor = color;
    r.clip.reset();
    r.points = corners({0, 0, float(width()), float(height())});
    i.emit(r);
    if (!i.target) return Status::Ok;
    detail::CairoLock lock;
    cairo_t* cr = i.target->context();
    if (cr == nullptr) return Status::WrongState;
    cairo_save(cr);
    cairo_reset_clip(cr);
    cairo_identity_matrix(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    setColor(cr, color);
    cairo_paint(cr);
    cairo_restore(cr);
    i.target->syncOut(i.target->bounds());
    return Status::Ok;
}

Status Graphics::drawLine(const Pen* pen, float x1, float y1, float x2, float y2) {
    if (pen == nullptr || !finiteAll({x1, y1, x2, y2})) return Status::InvalidParameter;
    GraphicsPath path;
    path.addLine(x1, y1, x2, y2);
    DrawRecord r = impl_->record(DrawKind::Line);
    r.points = impl_->mapped({{x1, y1}, {x2, y2}});
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawLine(const Pen* pen, PointF p1, PointF p2) {
    return drawLine(pen, p1.x, p1.y, p2.x, p2.y);
}

Status Graphics::drawLines(const Pen* pen, const PointF* points, int count) {
    if (pen == nullptr || points == nullptr || count < 2) return Status::InvalidParameter;
    GraphicsPath path;
    if (Status s = path.addLines(points, count); s != Status::Ok) return s;
    DrawRecord r = impl_->record(DrawKind::Lines);
    r.points = impl_->mapped(points, count);
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawRectangle(const Pen* pen, float x, float y, float width, float height) {
    if (pen == nullptr || !finiteAll({x, y, width, height})) return Status::InvalidParameter;
    GraphicsPath path;
    path.addRectangle({x, y, width, height});
    DrawRecord r = impl_->record(DrawKind::Rectangle);
    r.points = impl_->mappedCorners({x, y, width, height});
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawRectangle(const Pen* pen, const RectF& rect) {
    return drawRectangle(pen, rect.x, rect.y, rect.width, rect.height);
}

Status Graphics::drawEllipse(const Pen* pen, float x, float y, float width, float height) {
    if (pen == nullptr || !finiteAll({x, y, width, height})) return Status::InvalidParameter;
    if (width <= 0 || height <= 0) return Status::Ok;
    GraphicsPath path;
    path.addEllipse(x, y, width, height);
    DrawRecord r = impl_->record(DrawKind::Ellipse);
    r.points = impl_->mappedCorners({x, y, width, height});
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawArc(const Pen* pen, float x, float y, float width, float height,
                         float startAngle, float sweepAngle) {
    if (pen == nullptr || !finiteAll({x, y, width, height, startAngle, sweepAngle}))
        return Status::InvalidParameter;
    if (width <= 0 || height <= 0) return Status::Ok;
    GraphicsPath path;
    path.addArc(x, y, width, height, startAngle, sweepAngle);
    DrawRecord r = impl_->record(DrawKind::Arc);
    r.points = impl_->mappedCorners({x, y, width, height});
    r.startAngle = startAngle;
    r.sweepAngle = sweepAngle;
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawPie(const Pen* pen, float x, float y, float width, float height,
                         float startAngle, float sweepAngle) {
    if (pen == nullptr || !finiteAll({x, y, width, height, startAngle, sweepAngle}))
        return Status::InvalidParameter;
    if (width <= 0 || height <= 0) return Status::Ok;
    GraphicsPath path;
    path.addPie(x, y, width, height, startAngle, sweepAngle);
    DrawRecord r = impl_->record(DrawKind::Pie);
    r.points = impl_->mappedCorners({x, y, width, height});
    r.startAngle = startAngle;
    r.sweepAngle = sweepAngle;
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawPolygon(const Pen* pen, const PointF* points, int count) {
    if (pen == nullptr || points == nullptr || count < 2) return Status::InvalidParameter;
    GraphicsPath path;
    if (Status s = path.addPolygon(points, count); s != Status::Ok) return s;
    DrawRecord r = impl_->record(DrawKind::Polygon);
    r.points = impl_->mapped(points, count);
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawBezier(const Pen* pen, PointF p1, PointF p2, PointF p3, PointF p4) {
    if (pen == nullptr) return Status::InvalidParameter;
    GraphicsPath path;
    if (Status s = path.addBezier(p1, p2, p3, p4); s != Status::Ok) return s;
    DrawRecord r = impl_->record(DrawKind::Path);
    impl_->addFlattened(&r, path);
    return impl_->stroke(pen, path, std::move(r));
}

Status Graphics::drawPath(const Pen* pen, const GraphicsPath* path) {
    if (pen == nullptr || path == nullptr) return Status::InvalidParameter;
    DrawRecord r = impl_->record(DrawKind::Path);
    impl_->addFlattened(&r, *path);
    return impl_->stroke(pen, *path, std::move(r));
}

Status Graphics::fillRectangle(const Brush* brush, float x, float y, float width, float height) {
    if (!validBrush(brush) || !finiteAll({x, y, width, height})) return Status::InvalidParameter;
    GraphicsPath path;
    path.addRectangle({x, y, width, height});
    DrawRecord r = impl_->record(DrawKind::FillRectangle);
    r.points = impl_->mappedCorners({x, y, width, height});
    return impl_->fill(brush, path, std::move(r));
}

Status Graphics::fillRectangle(const Brush* brush, const RectF& rect) {
    return fillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

Status Graphics::fillEllipse(const Brush* brush, float x, float y, float width, float height) {
    if (!validBrush(brush) || !finiteAll({x, y, width, height})) return Status::InvalidParameter;
    if (width <= 0 || height <= 0) return Status::Ok;
    GraphicsPath path;
    path.addEllipse(x, y, width, height);
    DrawRecord r = impl_->record(DrawKind::FillEllipse);
    r.points = impl_->mappedCorners({x, y, width, height});
    return impl_->fill(brush, path, std::move(r));
}

Status Graphics::fillPie(const Brush* brush, float x, float y, float width, float height,
                         float startAngle, float sweepAngle) {
    if (!validBrush(brush) || !finiteAll({x, y, width, height, startAngle, sweepAngle}))
        return Status::InvalidParameter;
    if (width <= 0 || height <= 0) return Status::Ok;
    GraphicsPath path;
    path.addPie(x, y, width, height, startAngle, sweepAngle);
    DrawRecord r = impl_->record(DrawKind::FillPie);
    r.points = impl_->mappedCorners({x, y, width, height});
    r.startAngle = startAngle;
    r.sweepAngle = sweepAngle;
    return impl_->fill(brush, path, std::move(r));
}

Status Graphics::fillPolygon(const Brush* brush, const PointF* points, int count, FillMode mode) {
    if (!validBrush(brush) || points == nullptr || count < 2) return Status::InvalidParameter;
    GraphicsPath path(mode);
    if (Status s = path.setFillMode(mode); s != Status::Ok) return s;
    if (Status s = path.addPolygon(points, count); s != Status::Ok) return s;
    DrawRecord r = impl_->record(DrawKind::FillPolygon);
    r.points = impl_->mapped(points, count);
    return impl_->fill(brush, path, std::move(r));
}

Status Graphics::fillPath(const Brush* brush, const GraphicsPath* path) {
    if (!validBrush(brush) || path == nullptr) return Status::InvalidParameter;
    DrawRecord r = impl_->record(DrawKind::FillPath);
    impl_->addFlattened(&r, *path);
    return impl_->fill(brush, *path, std::move(r));
}

Status Graphics::fillRegion(const Brush* brush, const Region* region) {
    if (!validBrush(brush) || region == nullptr) return Status::InvalidParameter;
    Impl& i = *impl_;
    const NodePtr dev = detail::transformNode(region->node(), i.device());
    RectF b = detail::nodeBounds(dev);
    if (dev->type == RegionNode::Type::Infinite) b = {0, 0, float(width()), float(height())};
    DrawRecord r = i.record(DrawKind::FillRegion);
    r.points = corners(b);
    Impl::describeBrush(&r, *brush);
    i.emit(r);
    if (!i.target) return Status::Ok;
    // Filled through the clip: the region joins it for this one call.
    const NodePtr saved = i.st.localClip;
    i.st.localClip = detail::combineNodes(saved, dev, CombineMode::Intersect);
    i.raster(b, [&](cairo_t* cr) {
        setBrush(cr, *brush);
        cairo_rectangle(cr, std::floor(b.x), std::floor(b.y), std::ceil(b.width) + 1,
                        std::ceil(b.height) + 1);
        cairo_fill(cr);
    });
    i.st.localClip = saved;
    return Status::Ok;
}

Status Graphics::drawString(const wchar_t* text, int length, const Font* font, const RectF& layout,
                            const StringFormat* format, const Brush* brush) {
    if (text == nullptr || length < -1 || font == nullptr || !font->valid() || !validBrush(brush) ||
        !finiteAll({layout.x, layout.y, layout.width, layout.height}))
        return Status::InvalidParameter;
    const std::wstring_view view =
        length == -1 ? std::wstring_view(text) : std::wstring_view(text, size_t(length));
    detail::TextLayout lay;
    if (Status s = detail::layoutText(view, *font, layout, format, &lay); s != Status::Ok) return s;
    Impl& i = *impl_;
    const Matrix dev = i.device();
    DrawRecord r = i.record(DrawKind::Text);
    r.points = i.mapped({{layout.x, layout.y}});
    r.text = std::wstring(view);
    r.fontFamily = font->family().name();
    r.fontSize = lay.em;
    r.fontDeviceSize = lay.em * dev.scaleFactor();
    r.fontStyle = font->style();
    r.alignment = format ? format->alignment() : StringAlignment::Near;
    r.lineAlignment = format ? format->lineAlignment() : StringAlignment::Near;
    r.textHint = i.st.hint;
    r.bounds = deviceAabb(dev, lay.box);
    Impl::describeBrush(&r, *brush);
    i.emit(r);
    if (!i.target || !dev.isInvertible() || lay.lines.empty()) return Status::Ok;
    const auto& m = lay.face->metrics;
    const float unit = lay.em / m.emHeight;
    i.raster(grow(r.bounds, lay.em * dev.scaleFactor() + 2), [&](cairo_t* cr) {
        const cairo_matrix_t cm = toCairo(dev);
        setBrush(cr, *brush);
        cairo_set_matrix(cr, &cm);
        cairo_set_font_face(cr, lay.face->face);
        cairo_set_font_size(cr, lay.em);
        cairo_set_font_options(cr, detail::fontOptions(int(i.st.hint)));
        cairo_set_antialias(cr, (i.st.hint == TextRenderingHint::SingleBitPerPixel ||
                                 i.st.hint == TextRenderingHint::SingleBitPerPixelGridFit)
                                    ? CAIRO_ANTIALIAS_NONE
                                    : CAIRO_ANTIALIAS_DEFAULT);
        for (const detail::TextLine& line : lay.lines) {
            if (line.utf8.empty()) continue;
            cairo_move_to(cr, line.x, line.baseline);
            cairo_show_text(cr, line.utf8.c_str());
            cairo_new_path(cr);
            if (font->style() & FontStyleUnderline)
                cairo_rectangle(cr, line.x, line.baseline - m.underlinePosition * unit,
                                line.advance, m.underlineThickness * unit);
            if (font->style() & FontStyleStrikeout)
                cairo_rectangle(cr, line.x, line.baseline - m.strikeoutPosition * unit,
                                line.advance, m.strikeoutSize * unit);
            cairo_fill(cr);
        }
    });
    return Status::Ok;
}

Status Graphics::measureString(const wchar_t* text, int length, const Font* font,
                               const RectF& layout, const StringFormat* format, RectF* box,
                               int* codepointsFitted, int* linesFilled) const {
    if (text == nullptr || length < -1 || font == nullptr || !font->valid() || box == nullptr ||
        !finiteAll({layout.x, layout.y, layout.width, layout.height}))
        return Status::InvalidParameter;
    const std::wstring_view view =
        length == -1 ? std::wstring_view(text) : std::wstring_view(text, size_t(length));
    detail::TextLayout lay;
    if (Status s = detail::layoutText(view, *font, layout, format, &lay); s != Status::Ok) return s;
    *box = lay.box;
    if (codepointsFitted != nullptr) *codepointsFitted = lay.codepoints;
    if (linesFilled != nullptr) *linesFilled = int(lay.lines.size());
    return Status::Ok;
}

Status Graphics::drawImage(const Bitmap* image, float x, float y) {
    if (image == nullptr || !image->valid() || !finiteAll({x, y})) return Status::InvalidParameter;
    Impl& i = *impl_;
    const Matrix dev = i.device();
    const RectF rect{x, y, float(image->width()), float(image->height())};
    DrawRecord r = i.record(DrawKind::Image);
    r.points = i.mappedCorners(rect);
    r.imageWidth = image->width();
    r.imageHeight = image->height();
    i.emit(r);
    if (!i.target || !dev.isInvertible()) return Status::Ok;
    detail::CairoLock lock;
    cairo_surface_t* src = detail::sourceSurface(*image->surface());
    if (src == nullptr) return Status::OutOfMemory;
    const auto e = dev.elements();
    const bool onGrid = e[0] == 1 && e[1] == 0 && e[2] == 0 && e[3] == 1 &&
                        std::floor(e[4] + x) == e[4] + x && std::floor(e[5] + y) == e[5] + y;
    i.raster(grow(deviceAabb(dev, rect), 1), [&](cairo_t* cr) {
        const cairo_matrix_t cm = toCairo(dev);
        cairo_set_matrix(cr, &cm);
        cairo_set_source_surface(cr, src, x, y);
        cairo_pattern_set_filter(cairo_get_source(cr),
                                 onGrid ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
        cairo_set_antialias(cr, onGrid ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
        cairo_rectangle(cr, x, y, rect.width, rect.height);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
    });
    cairo_surface_destroy(src);
    return Status::Ok;
}

Status Graphics::flush() {
    if (impl_->target) {
        detail::CairoLock lock;
        if (cairo_t* cr = impl_->target->context()) cairo_surface_flush(cairo_get_target(cr));
    }
    return Status::Ok;
}

}  // namespace platform::gfx
