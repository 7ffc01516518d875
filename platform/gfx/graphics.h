#pragma once
// A drawing surface: a host surface, a bitmap, or none (recording only).
// State: a world transform (the default order of every transform call is
// Prepend, so it acts in local coordinates), a clip kept in device
// coordinates, smoothing and text hint, and a container stack.
//
// Containers: beginContainer saves the state and starts a nested frame whose
// own transform is identity (composed with the outer one) and whose own clip
// is infinite (intersected with the outer one); smoothing and text hint carry
// on. endContainer restores everything as it was at beginContainer, closing
// any containers opened inside it.
//
// One graphics object must be used by one thread at a time; distinct objects
// may draw on distinct threads.
#include <cstdint>
#include <memory>

#include "host/surface.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/brush.h"
#include "platform/gfx/draw_record.h"
#include "platform/gfx/font.h"
#include "platform/gfx/graphics_path.h"
#include "platform/gfx/matrix.h"
#include "platform/gfx/pen.h"
#include "platform/gfx/region.h"
#include "platform/gfx/status.h"
#include "platform/gfx/string_format.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

using GraphicsContainer = uint32_t;

class Graphics {
  public:
    // On the host's surface, which must outlive the graphics.
    static Status create(host::HDC hdc, std::unique_ptr<Graphics>* out);
    // On a bitmap, which must outlive the graphics.
    static Status create(Bitmap* bitmap, std::unique_ptr<Graphics>* out);
    // No pixels: every primitive goes to the observer (which must outlive
    // the graphics). width and height bound the device space.
    static Status createRecording(int width, int height, DrawObserver* observer,
                                  std::unique_ptr<Graphics>* out);
    ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    int width() const;
    int height() const;
    bool isRecordingOnly() const;

    // Observers get every primitive, also from raster graphics. Not owned.
    Status addObserver(DrawObserver* observer);
    Status removeObserver(DrawObserver* observer);

    Status setSmoothingMode(SmoothingMode mode);
    SmoothingMode smoothingMode() const;
    Status getSmoothingMode(SmoothingMode* mode) const;
    Status setTextRenderingHint(TextRenderingHint hint);
    TextRenderingHint textRenderingHint() const;
    Status getTextRenderingHint(TextRenderingHint* hint) const;

    Status beginContainer(GraphicsContainer* container);
    Status endContainer(GraphicsContainer container);

    // The transform of the current container.
    Status resetTransform();
    Status setTransform(const Matrix& matrix);
    Status getTransform(Matrix* matrix) const;
    Status translateTransform(float dx, float dy, MatrixOrder order = MatrixOrder::Prepend);
    Status rotateTransform(float degrees, MatrixOrder order = MatrixOrder::Prepend);
    Status scaleTransform(float sx, float sy, MatrixOrder order = MatrixOrder::Prepend);
    Status multiplyTransform(const Matrix& matrix, MatrixOrder order = MatrixOrder::Prepend);
    // World to device, all containers included.
    Matrix deviceTransform() const;

    // The shape is taken through the current transform into device space.
    Status setClip(const Region& region, CombineMode mode = CombineMode::Replace);
    Status setClip(const RectF& rect, CombineMode mode = CombineMode::Replace);
    Status setClip(const GraphicsPath& path, CombineMode mode = CombineMode::Replace);
    Status resetClip();
    // Bounds of the clip in force, in world coordinates of the current transform.
    Status getClipBounds(RectF* bounds) const;
    // The clip in force in device coordinates (outer containers included).
    Region deviceClip() const;

    // Fills the whole surface, ignoring transform and clip.
    Status clear(Argb color);

    Status drawLine(const Pen* pen, float x1, float y1, float x2, float y2);
    Status drawLine(const Pen* pen, PointF p1, PointF p2);
    Status drawLines(const Pen* pen, const PointF* points, int count);
    Status drawRectangle(const Pen* pen, float x, float y, float width, float height);
    Status drawRectangle(const Pen* pen, const RectF& rect);
    Status drawEllipse(const Pen* pen, float x, float y, float width, float height);
    Status drawArc(const Pen* pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
    Status drawPie(const Pen* pen, float x, float y, float width, float height, float startAngle,
                   float sweepAngle);
    // Closed by the call.
    Status drawPolygon(const Pen* pen, const PointF* points, int count);
    Status drawBezier(const Pen* pen, PointF p1, PointF p2, PointF p3, PointF p4);
    Status drawPath(const Pen* pen, const GraphicsPath* path);

    Status fillRectangle(const Brush* brush, float x, float y, float width, float height);
    Status fillRectangle(const Brush* brush, const RectF& rect);
    Status fillEllipse(const Brush* brush, float x, float y, float width, float height);
    Status fillPie(const Brush* brush, float x, float y, float width, float height,
                   float startAngle, float sweepAngle);
    Status fillPolygon(const Brush* brush, const PointF* points, int count,
                       FillMode mode = FillMode::Alternate);
    Status fillPath(const Brush* brush, const GraphicsPath* path);
    Status fillRegion(const Brush* brush, const Region* region);

    // length -1: zero-terminated. A layout rectangle of zero width and height
    // is a point (see StringFormat); otherwise the text is placed in the
    // rectangle by the same rules, without wrapping or clipping. A null
    // format means near / near. Lines break at '\n'.
    Status drawString(const wchar_t* text, int length, const Font* font, const RectF& layout,
                      const StringFormat* format, const Brush* brush);
    // The box the same drawString call would fill, in world coordinates: its
    // width is the advance of the longest line plus one sixth of the em size
    // of padding on each side, its height the line height times the lines.
    // Trailing spaces are not counted. codepointsFitted and linesFilled may
    // be null.
    Status measureString(const wchar_t* text, int length, const Font* font, const RectF& layout,
                         const StringFormat* format, RectF* box, int* codepointsFitted = nullptr,
                         int* linesFilled = nullptr) const;

    // The bitmap's pixels at their size in world units, top left at (x, y).
    Status drawImage(const Bitmap* image, float x, float y);

    // Pixels are written by each call; flush exists for callers that want
    // to be explicit before reading the surface.
    Status flush();

    struct Impl;

  private:
    explicit Graphics(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

}  // namespace platform::gfx
