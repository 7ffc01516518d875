#include "zentra/draw/canvas.h"

namespace zentra {

using gfx::Status;

namespace {
// A canvas without graphics fails every call the way a dead handle would.
constexpr Status kNoGraphics = Status::InvalidParameter;
}  // namespace

Status Canvas::record(Status status) {
    if (status != Status::Ok) lastStatus_ = status;
    return status;
}

#define CANVAS_CALL(expr) return record(graphics_ == nullptr ? kNoGraphics : graphics_->expr)

Status Canvas::setSmoothingMode(gfx::SmoothingMode mode) { CANVAS_CALL(setSmoothingMode(mode)); }

Status Canvas::setTextRenderingHint(gfx::TextRenderingHint hint) {
    CANVAS_CALL(setTextRenderingHint(hint));
}

Status Canvas::beginContainer(gfx::GraphicsContainer* container) {
    CANVAS_CALL(beginContainer(container));
}

Status Canvas::endContainer(gfx::GraphicsContainer container) {
    CANVAS_CALL(endContainer(container));
}

Status Canvas::resetTransform() { CANVAS_CALL(resetTransform()); }

Status Canvas::translateTransform(float dx, float dy) { CANVAS_CALL(translateTransform(dx, dy)); }

Status Canvas::rotateTransform(float degrees) { CANVAS_CALL(rotateTransform(degrees)); }

Status Canvas::scaleTransform(float sx, float sy) { CANVAS_CALL(scaleTransform(sx, sy)); }

Status Canvas::setClip(const gfx::Region* region) {
    if (region == nullptr) return record(Status::InvalidParameter);
    CANVAS_CALL(setClip(*region, gfx::CombineMode::Replace));
}

Status Canvas::resetClip() { CANVAS_CALL(resetClip()); }

Status Canvas::clear(gfx::Argb color) { CANVAS_CALL(clear(color)); }

Status Canvas::drawLine(const gfx::Pen* pen, float x1, float y1, float x2, float y2) {
    CANVAS_CALL(drawLine(pen, x1, y1, x2, y2));
}

Status Canvas::drawLine(const gfx::Pen* pen, gfx::PointF p1, gfx::PointF p2) {
    CANVAS_CALL(drawLine(pen, p1, p2));
}

Status Canvas::drawRectangle(const gfx::Pen* pen, float x, float y, float width, float height) {
    CANVAS_CALL(drawRectangle(pen, x, y, width, height));
}

Status Canvas::drawEllipse(const gfx::Pen* pen, float x, float y, float width, float height) {
    CANVAS_CALL(drawEllipse(pen, x, y, width, height));
}

Status Canvas::drawArc(const gfx::Pen* pen, float x, float y, float width, float height,
                       float startAngle, float sweepAngle) {
    CANVAS_CALL(drawArc(pen, x, y, width, height, startAngle, sweepAngle));
}

Status Canvas::drawPolygon(const gfx::Pen* pen, const gfx::PointF* points, int count) {
    CANVAS_CALL(drawPolygon(pen, points, count));
}

Status Canvas::fillRectangle(const gfx::Brush* brush, float x, float y, float width, float height) {
    CANVAS_CALL(fillRectangle(brush, x, y, width, height));
}

Status Canvas::fillEllipse(const gfx::Brush* brush, float x, float y, float width, float height) {
    CANVAS_CALL(fillEllipse(brush, x, y, width, height));
}

Status Canvas::fillPie(const gfx::Brush* brush, float x, float y, float width, float height,
                       float startAngle, float sweepAngle) {
    CANVAS_CALL(fillPie(brush, x, y, width, height, startAngle, sweepAngle));
}

Status Canvas::fillPolygon(const gfx::Brush* brush, const gfx::PointF* points, int count) {
    CANVAS_CALL(fillPolygon(brush, points, count, gfx::FillMode::Alternate));
}

Status Canvas::fillRegion(const gfx::Brush* brush, const gfx::Region* region) {
    CANVAS_CALL(fillRegion(brush, region));
}

Status Canvas::drawString(const wchar_t* text, int length, const gfx::Font* font, gfx::PointF at,
                          const gfx::StringFormat* format, const gfx::Brush* brush) {
    return drawString(text, length, font, gfx::RectF{at.x, at.y, 0, 0}, format, brush);
}

Status Canvas::drawString(const wchar_t* text, int length, const gfx::Font* font,
                          const gfx::RectF& layout, const gfx::StringFormat* format,
                          const gfx::Brush* brush) {
    CANVAS_CALL(drawString(text, length, font, layout, format, brush));
}

Status Canvas::measureString(const wchar_t* text, int length, const gfx::Font* font, gfx::PointF at,
                             const gfx::StringFormat* format, gfx::RectF* box) {
    CANVAS_CALL(measureString(text, length, font, gfx::RectF{at.x, at.y, 0, 0}, format, box));
}

Status Canvas::drawImage(const gfx::Bitmap* image, float x, float y) {
    CANVAS_CALL(drawImage(image, x, y));
}

#undef CANVAS_CALL

CanvasContainer::CanvasContainer(Canvas& canvas) : canvas_(canvas) {
    open_ = canvas_.beginContainer(&container_) == Status::Ok;
}

CanvasContainer::~CanvasContainer() {
    if (open_) canvas_.endContainer(container_);
}

}  // namespace zentra
