#pragma once
// The standard scene of the graphics benchmark, and that scene issued
// straight to cairo: the yardstick the drawing layers are measured against.
// Coordinates are logical units of a square space stretched over the
// surface; angles in degrees clockwise. Nothing here exposes cairo, so only
// cairo_scene.cpp includes it.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace bench {

enum class SceneStyleKind { Pen, LongDashPen, Fill };

struct SceneStyle {
    SceneStyleKind kind = SceneStyleKind::Pen;
    uint32_t color = 0;  // 0x00BBGGRR, as a display configuration gives it
    float width = 1;     // pen width in logical units
};

struct SceneFont {
    int size = 20;  // logical units
    bool bold = false;
};

struct ScenePoint {
    float x = 0;
    float y = 0;
};

enum class SceneShape { Line, Polygon, FilledPolygon, Text };
enum class SceneAlign { Left, Center, Right };

struct SceneItem {
    SceneShape shape = SceneShape::Line;
    int style = 0;                   // pen for outlines, brush for fills and text
    std::vector<ScenePoint> points;  // a line has two; text sits on points[0]
    // Text: with its baseline on the point, aligned by its left, centre or right end.
    std::wstring text;
    std::string utf8;  // the same text, as a cairo program would hold it
    int font = 0;
    SceneAlign align = SceneAlign::Left;
};

// A nested frame moved and turned from the page, clipped to a rectangle or
// to the ellipse inside it (local coordinates, origin at the frame's corner).
struct SceneContainer {
    ScenePoint origin;
    float angle = 0;
    float clipWidth = 0;
    float clipHeight = 0;
    bool ellipseClip = false;
    std::vector<SceneItem> items;
};

struct Scene {
    float logicalSize = 1000;
    std::wstring fontFace;
    uint32_t background = 0;  // 0x00BBGGRR
    std::vector<SceneStyle> styles;
    std::vector<SceneFont> fonts;
    std::vector<SceneItem> under;  // drawn first, on the page
    std::vector<SceneContainer> containers;
    std::vector<SceneItem> over;  // drawn last, on the page
};

struct SceneCounts {
    int linesAndPolygons = 0;
    int strings = 0;
    int containers = 0;
};

// 400 lines and polygons, 60 strings and 10 clipped containers, the same
// every run.
Scene standardScene();
SceneCounts countScene(const Scene& scene);

// The scene drawn with cairo alone on a 32-bit ARGB image surface of its own.
// The scene must outlive the object.
class CairoScene {
  public:
    CairoScene(const Scene& scene, int width, int height);
    ~CairoScene();
    CairoScene(const CairoScene&) = delete;
    CairoScene& operator=(const CairoScene&) = delete;

    // False when the surface or the fonts could not be made.
    bool valid() const;
    void draw();

    // Premultiplied native-endian 0xAARRGGBB rows, as cairo keeps them.
    const uint8_t* pixels() const;
    int stride() const;
    bool writePng(const std::string& path) const;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace bench
