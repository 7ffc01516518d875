// What the drawing layers cost: one standard scene (400 anti-aliased lines
// and polygons, 60 strings, 10 clipped containers) on a 1024 x 1024 surface,
// drawn through zentra/draw and platform/gfx, and issued straight to cairo.
// The layers aim to add at most 10 % to the straight cairo time.
//
// --write-scenes=DIR draws each scene once, writes DIR/scene_layers.png and
// DIR/scene_cairo.png and says how far apart the two pictures are, to show
// that both sides draw the same thing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "cairo_scene.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/png_file.h"
#include "zentra/draw/canvas.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/logical_space.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/style_table.h"
#include "zentra/draw/text_anchor.h"

namespace {

namespace gfx = platform::gfx;
using bench::Scene;
using bench::SceneItem;

constexpr int kSurfaceSize = 1024;

const Scene& theScene() {
    static const Scene scene = bench::standardScene();
    return scene;
}

zentra::StyleKind styleKind(bench::SceneStyleKind kind) {
    switch (kind) {
        case bench::SceneStyleKind::Pen:
            return zentra::StyleKind::Pen;
        case bench::SceneStyleKind::LongDashPen:
            return zentra::StyleKind::LongDashPen;
        case bench::SceneStyleKind::Fill:
            return zentra::StyleKind::Fill;
    }
    return zentra::StyleKind::None;
}

int32_t anchorOf(bench::SceneAlign align) {
    switch (align) {
        case bench::SceneAlign::Left:
            return zentra::TextAnchor::BASE_LEFT;
        case bench::SceneAlign::Center:
            return zentra::TextAnchor::BASE_CENTER;
        case bench::SceneAlign::Right:
            return zentra::TextAnchor::BASE_RIGHT;
    }
    return zentra::TextAnchor::BASE_LEFT;
}

// The scene as a display draws: styles and fonts from its tables, the
// logical space on the canvas, tapes in containers with their own clip.
class LayerScene {
  public:
    explicit LayerScene(const Scene& scene)
        : scene_(scene), bitmap_(kSurfaceSize, kSurfaceSize, host::PixelFormat::Argb32) {
        if (bitmap_.valid()) gfx::Graphics::create(&bitmap_, &graphics_);
        canvas_.setGraphics(graphics_.get());
        space_.sizeX = space_.sizeY = scene.logicalSize;
        space_.pixelWidth = space_.pixelHeight = kSurfaceSize;
        for (size_t slot = 0; slot < scene.styles.size(); ++slot) {
            const bench::SceneStyle& s = scene.styles[slot];
            styles_.setStyle(int(slot), styleKind(s.kind), s.color, s.width);
        }
        styles_.refreshStyles(1.0f);
        for (size_t slot = 0; slot < scene.fonts.size(); ++slot)
            fonts_.setFont(int(slot), scene.fonts[slot].size,
                           scene.fonts[slot].bold ? gfx::FontStyleBold : gfx::FontStyleRegular,
                           scene.fontFace);
        fonts_.rebuildFonts();
        for (const bench::SceneContainer& frame : scene.containers)
            containerItems_.push_back(itemsOf(frame.items));
    }

    bool valid() const {
        if (graphics_ == nullptr) return false;
        for (int slot = 0; slot < fonts_.count(); ++slot)
            if (fonts_.font(slot) == nullptr) return false;
        return true;
    }

    void draw() {
        canvas_.clear(zentra::colorInUse(scene_.background, 1.0f));
        space_.apply(canvas_);
        zentra::applyRenderingQuality(canvas_, {}, false);
        draw(under_);
        for (size_t k = 0; k < scene_.containers.size(); ++k) {
            const bench::SceneContainer& frame = scene_.containers[k];
            zentra::CanvasContainer container(canvas_);
            canvas_.translateTransform(frame.origin.x, frame.origin.y);
            canvas_.rotateTransform(frame.angle);
            const gfx::RectF box{0, 0, frame.clipWidth, frame.clipHeight};
            if (frame.ellipseClip) {
                gfx::GraphicsPath outline;
                outline.addEllipse(box.x, box.y, box.width, box.height);
                const gfx::Region clip(outline);
                canvas_.setClip(&clip);
            } else {
                const gfx::Region clip(box);
                canvas_.setClip(&clip);
            }
            draw(containerItems_[k]);
        }
        draw(over_);
    }

    const gfx::Bitmap& bitmap() const { return bitmap_; }
    gfx::Status lastStatus() const { return canvas_.lastStatus(); }

  private:
    // A scene item with its points in the toolkit's own type, made once.
    struct Item {
        const SceneItem* scene;
        std::vector<gfx::PointF> points;
    };
    using Items = std::vector<Item>;

    static Items itemsOf(const std::vector<SceneItem>& items) {
        Items out;
        for (const SceneItem& item : items) {
            Item converted{&item, {}};
            for (const bench::ScenePoint& p : item.points) converted.points.push_back({p.x, p.y});
            out.push_back(std::move(converted));
        }
        return out;
    }

    void draw(const Items& items) {
        for (const Item& it : items) {
            const SceneItem& item = *it.scene;
            const gfx::PointF* points = it.points.data();
            const int count = int(it.points.size());
            switch (item.shape) {
                case bench::SceneShape::Line:
                    canvas_.drawLine(styles_.pen(item.style), points[0], points[1]);
                    break;
                case bench::SceneShape::Polygon:
                    canvas_.drawPolygon(styles_.pen(item.style), points, count);
                    break;
                case bench::SceneShape::FilledPolygon:
                    canvas_.fillPolygon(styles_.brush(item.style), points, count);
                    break;
                case bench::SceneShape::Text:
                    zentra::drawAnchoredText(canvas_, item.text, fonts_.font(item.font), points[0],
                                             anchorOf(item.align), format_,
                                             styles_.brush(item.style));
                    break;
            }
        }
    }

    const Scene& scene_;
    Items under_ = itemsOf(scene_.under);
    std::vector<Items> containerItems_;
    Items over_ = itemsOf(scene_.over);
    gfx::Bitmap bitmap_;
    std::unique_ptr<gfx::Graphics> graphics_;
    zentra::Canvas canvas_;
    zentra::LogicalSpace space_;
    zentra::StyleTable styles_;
    zentra::FontTable fonts_;
    gfx::StringFormat format_;
};

void countScene(benchmark::State& state) {
    const bench::SceneCounts counts = bench::countScene(theScene());
    state.counters["lines+polygons"] = counts.linesAndPolygons;
    state.counters["strings"] = counts.strings;
    state.counters["containers"] = counts.containers;
}

void BM_SceneThroughLayers(benchmark::State& state) {
    LayerScene scene(theScene());
    if (!scene.valid()) {
        state.SkipWithError("no graphics or fonts for the scene");
        return;
    }
    for (auto _ : state) {
        scene.draw();
        benchmark::DoNotOptimize(scene.bitmap().pixels());
        benchmark::ClobberMemory();
    }
    if (scene.lastStatus() != gfx::Status::Ok) state.SkipWithError("a drawing call failed");
    countScene(state);
}
BENCHMARK(BM_SceneThroughLayers)->Unit(benchmark::kMillisecond);

void BM_SceneStraightCairo(benchmark::State& state) {
    bench::CairoScene scene(theScene(), kSurfaceSize, kSurfaceSize);
    if (!scene.valid()) {
        state.SkipWithError("no cairo surface or fonts for the scene");
        return;
    }
    for (auto _ : state) {
        scene.draw();
        benchmark::DoNotOptimize(scene.pixels());
        benchmark::ClobberMemory();
    }
    countScene(state);
}
BENCHMARK(BM_SceneStraightCairo)->Unit(benchmark::kMillisecond);

// Draws both scenes once and compares them pixel by pixel. Returns the exit status.
int writeScenes(const std::string& dir) {
    LayerScene layers(theScene());
    bench::CairoScene cairo(theScene(), kSurfaceSize, kSurfaceSize);
    if (!layers.valid() || !cairo.valid()) {
        std::fprintf(stderr, "gfx_scene: cannot make the surfaces or fonts of the scene\n");
        return 2;
    }
    layers.draw();
    cairo.draw();
    const std::string layersPng = dir + "/scene_layers.png";
    const std::string cairoPng = dir + "/scene_cairo.png";
    if (gfx::savePng(layers.bitmap(), layersPng) != gfx::Status::Ok || !cairo.writePng(cairoPng)) {
        std::fprintf(stderr, "gfx_scene: cannot write %s or %s\n", layersPng.c_str(),
                     cairoPng.c_str());
        return 2;
    }
    const gfx::Bitmap& bitmap = layers.bitmap();
    long differing = 0;
    long painted = 0;
    int largest = 0;
    for (int y = 0; y < kSurfaceSize; ++y) {
        const uint8_t* a = bitmap.pixels() + size_t(y) * size_t(bitmap.stride());
        const uint8_t* b = cairo.pixels() + size_t(y) * size_t(cairo.stride());
        for (int x = 0; x < kSurfaceSize * 4; x += 4) {
            int worst = 0;
            for (int c = 0; c < 4; ++c) worst = std::max(worst, std::abs(a[x + c] - b[x + c]));
            if (worst > 0) ++differing;
            largest = std::max(largest, worst);
            // The background is blue 0x20, green 0x10, red 0x08: anything else was drawn.
            if (b[x] != 0x20 || b[x + 1] != 0x10 || b[x + 2] != 0x08) ++painted;
        }
    }
    std::printf("wrote %s and %s\n", layersPng.c_str(), cairoPng.c_str());
    std::printf(
        "pixels drawn on: %ld; differing: %ld (%.3f %% of the drawn ones); largest "
        "channel difference: %d\n",
        painted, differing, painted > 0 ? 100.0 * double(differing) / double(painted) : 0.0,
        largest);
    if (layers.lastStatus() != gfx::Status::Ok) {
        std::fprintf(stderr, "gfx_scene: a drawing call through the layers failed (status %d)\n",
                     int(layers.lastStatus()));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const char* kOption = "--write-scenes=";
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kOption, std::strlen(kOption)) == 0)
            return writeScenes(argv[i] + std::strlen(kOption));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
