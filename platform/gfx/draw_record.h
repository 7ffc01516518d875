#pragma once
// What a graphics object drew, in device coordinates after the world
// transform, so that tests and tools can check geometry exactly.
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/types.h"

namespace platform::gfx {

enum class DrawKind : int32_t {
    Clear,
    Line,       // points: start, end
    Lines,      // points: the polyline
    Rectangle,  // points: the four corners, clockwise from the top left
    Ellipse,    // points: corners of the bounding rectangle
    Arc,        // points: corners of the bounding rectangle; angles
    Pie,        // as Arc
    Polygon,    // points: the vertices
    Path,       // points: the flattened figures, one after another
    FillRectangle,
    FillEllipse,
    FillPie,
    FillPolygon,
    FillPath,
    FillRegion,  // points: corners of the region's device bounds
    Text,        // points: the layout point; bounds: the text box
    Image,       // points: the image's corners
};

const char* drawKindName(DrawKind kind);

struct DrawRecord {
    DrawKind kind = DrawKind::Clear;
    uint32_t source = 0;  // which graphics object drew it (numbered by creation)
    std::vector<PointF> points;
    // Figure sizes for Path / FillPath (points is their concatenation).
    std::vector<int> figureSizes;
    float startAngle = 0;  // Arc, Pie: degrees as given in world space
    float sweepAngle = 0;

    // Outlines.
    bool hasPen = false;
    Argb penColor = 0;
    float penWidth = 0;       // device pixels
    std::vector<float> dash;  // in pen widths; empty = solid
    LineCap startCap = LineCap::Flat;
    LineCap endCap = LineCap::Flat;

    // Fills (and Clear's colour).
    bool hasBrush = false;
    Argb brushColor = 0;      // solid colour, or the hatch fore colour
    int32_t hatchStyle = -1;  // -1 for solid
    Argb hatchBackColor = 0;

    // Clip in force, as its device bounds; none when unclipped.
    std::optional<RectF> clip;

    // World-to-device transform: m11, m12, m21, m22, dx, dy.
    float transform[6] = {1, 0, 0, 1, 0, 0};
    SmoothingMode smoothing = SmoothingMode::Default;

    // Text.
    std::wstring text;
    std::string fontFamily;    // UTF-8
    float fontSize = 0;        // world units
    float fontDeviceSize = 0;  // device pixels
    int32_t fontStyle = 0;
    StringAlignment alignment = StringAlignment::Near;
    StringAlignment lineAlignment = StringAlignment::Near;
    TextRenderingHint textHint = TextRenderingHint::SystemDefault;
    RectF bounds;  // Text: device bounds of the text box

    // Image.
    int32_t imageWidth = 0;
    int32_t imageHeight = 0;
};

// One JSON object, no line end (the draw-recording format).
std::string toJsonLine(const DrawRecord& record);

// Receives every primitive of the graphics objects it is attached to. May be
// called from several render threads at once when shared.
class DrawObserver {
  public:
    virtual ~DrawObserver() = default;
    virtual void onDraw(const DrawRecord& record) = 0;
};

// Keeps the records in memory, in call order.
class DrawRecorder : public DrawObserver {
  public:
    void onDraw(const DrawRecord& record) override;
    std::vector<DrawRecord> records() const;
    std::vector<DrawRecord> take();  // records so far; the recorder is emptied
    size_t size() const;
    void clear();

  private:
    mutable std::mutex mutex_;
    std::vector<DrawRecord> records_;
};

}  // namespace platform::gfx
