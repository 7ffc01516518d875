#pragma once
// The graphics of the surface being painted, lent to the instrument code
// for one paint. Every call goes on after a failure; the last failed status
// is kept for whoever wants to know.
#include "platform/gfx/graphics.h"
#include "zentra/draw/gfx_names.h"

namespace zentra {

class Canvas {
  public:
    Canvas() = default;
    explicit Canvas(gfx::Graphics* graphics) : graphics_(graphics) {}

    gfx::Graphics* graphics() const { return graphics_; }
    void setGraphics(gfx::Graphics* graphics) { graphics_ = graphics; }

    // The status of the last call that failed (Ok when none did).
    gfx::Status lastStatus() const { return lastStatus_; }
    void clearStatus() { lastStatus_ = gfx::Status::Ok; }
    // Keeps a failure; returns the status unchanged.
    gfx::Status record(gfx::Status status);

    gfx::Status setSmoothingMode(gfx::SmoothingMode mode);
    gfx::Status setTextRenderingHint(gfx::TextRenderingHint hint);

    gfx::Status beginContainer(gfx::GraphicsContainer* container);
    gfx::Status endContainer(gfx::GraphicsContainer container);
    gfx::Status resetTransform();
    gfx::Status translateTransform(float dx, float dy);
    gfx::Status rotateTransform(float degrees);
    gfx::Status scaleTransform(float sx, float sy);

    gfx::Status setClip(const gfx::Region* region);
    gfx::Status resetClip();
    gfx::Status clear(gfx::Argb color);

    gfx::Status drawLine(const gfx::Pen* pen, float x1, float y1, float x2, float y2);
    gfx::Status drawLine(const gfx::Pen* pen, gfx::PointF p1, gfx::PointF p2);
    gfx::Status drawRectangle(const gfx::Pen* pen, float x, float y, float width, float height);
    gfx::Status drawEllipse(const gfx::Pen* pen, float x, float y, float width, float height);
    gfx::Status drawArc(const gfx::Pen* pen, float x, float y, float width, float height,
                        float startAngle, float sweepAngle);
    gfx::Status drawPolygon(const gfx::Pen* pen, const gfx::PointF* points, int count);

    gfx::Status fillRectangle(const gfx::Brush* brush, float x, float y, float width, float height);
    gfx::Status fillEllipse(const gfx::Brush* brush, float x, float y, float width, float height);
    gfx::Status fillPie(const gfx::Brush* brush, float x, float y, float width, float height,
                        float startAngle, float sweepAngle);
    gfx::Status fillPolygon(const gfx::Brush* brush, const gfx::PointF* points, int count);
    gfx::Status fillRegion(const gfx::Brush* brush, const gfx::Region* region);

    // Text at a point: a layout rectangle of zero size whose corner is the point.
    gfx::Status drawString(const wchar_t* text, int length, const gfx::Font* font, gfx::PointF at,
                           const gfx::StringFormat* format, const gfx::Brush* brush);
    gfx::Status drawString(const wchar_t* text, int length, const gfx::Font* font,
                           const gfx::RectF& layout, const gfx::StringFormat* format,
                           const gfx::Brush* brush);
    gfx::Status measureString(const wchar_t* text, int length, const gfx::Font* font,
                              gfx::PointF at, const gfx::StringFormat* format, gfx::RectF* box);

    gfx::Status drawImage(const gfx::Bitmap* image, float x, float y);

  private:
    gfx::Graphics* graphics_ = nullptr;
    gfx::Status lastStatus_ = gfx::Status::Ok;
};

// A nested drawing frame: the transform, clip and quality settings made
// inside it are undone when it goes out of scope.
class CanvasContainer {
  public:
    explicit CanvasContainer(Canvas& canvas);
    ~CanvasContainer();
    CanvasContainer(const CanvasContainer&) = delete;
    CanvasContainer& operator=(const CanvasContainer&) = delete;

  private:
    Canvas& canvas_;
    gfx::GraphicsContainer container_ = 0;
    bool open_ = false;
};

}  // namespace zentra
