#include "cairo_scene.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <array>
#include <cmath>
#include <numbers>

namespace bench {
namespace {

// The scene's own pseudo-random numbers: the same scene on every machine.
class SceneRandom {
  public:
    float between(float low, float high) {
        state_ = state_ * 1664525u + 1013904223u;
        return low + (high - low) * float(state_ >> 8) / float(1u << 24);
    }

  private:
    uint32_t state_ = 20240611u;
};

constexpr double kDegree = std::numbers::pi / 180.0;

ScenePoint polar(ScenePoint centre, float radius, float degrees) {
    const double a = degrees * kDegree;
    return {float(centre.x + radius * std::sin(a)), float(centre.y - radius * std::cos(a))};
}

SceneItem line(int style, ScenePoint a, ScenePoint b) {
    SceneItem item;
    item.shape = SceneShape::Line;
    item.style = style;
    item.points = {a, b};
    return item;
}

SceneItem polygon(SceneShape shape, int style, std::vector<ScenePoint> points) {
    SceneItem item;
    item.shape = shape;
    item.style = style;
    item.points = std::move(points);
    return item;
}

// Texts are ASCII plus the degree sign.
std::string toUtf8(const std::wstring& text) {
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80) {
            out += char(c);
        } else {
            out += char(0xC0 | (c >> 6));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

SceneItem text(int style, int font, SceneAlign align, ScenePoint at, std::wstring s) {
    SceneItem item;
    item.shape = SceneShape::Text;
    item.style = style;
    item.font = font;
    item.align = align;
    item.points = {at};
    item.utf8 = toUtf8(s);
    item.text = std::move(s);
    return item;
}

std::vector<ScenePoint> star(ScenePoint c, float s) {
    const float i = 0.2f * s;
    return {{c.x - i, c.y - i}, {c.x, c.y - s}, {c.x + i, c.y - i}, {c.x + s, c.y},
            {c.x + i, c.y + i}, {c.x, c.y + s}, {c.x - i, c.y + i}, {c.x - s, c.y}};
}

std::vector<ScenePoint> regular(ScenePoint c, float radius, int corners, float turn) {
    std::vector<ScenePoint> points;
    for (int k = 0; k < corners; ++k)
        points.push_back(polar(c, radius, turn + 360.0f * k / corners));
    return points;
}

std::wstring degrees(int value) {
    std::wstring s = std::to_wstring(value);
    while (s.size() < 3) s.insert(s.begin(), L'0');
    return s + L'\u00B0';
}

// Styles: pens 0 to 4, brushes 5 to 9.
constexpr int kWhitePen = 0, kGreenPen = 1, kMagentaPen = 2, kDashPen = 3, kAmberPen = 4;
constexpr int kWhiteFill = 5, kAmberFill = 8;

// A compass rose: 60 ticks, 20 filled bugs, 20 outlined marks, 15 labels.
void addRose(Scene& scene, SceneRandom& random) {
    const ScenePoint c{500, 500};
    for (int i = 0; i < 60; ++i) {
        const int style = i % 15 == 0 ? kDashPen : i % 5 == 0 ? kWhitePen : kGreenPen;
        scene.under.push_back(
            line(style, polar(c, i % 5 == 0 ? 290 : 310, i * 6.0f), polar(c, 330, i * 6.0f)));
    }
    for (int i = 0; i < 20; ++i) {
        const float a = i * 18.0f;
        scene.under.push_back(
            polygon(SceneShape::FilledPolygon, kWhiteFill + i % 4,
                    {polar(c, 345, a), polar(c, 378, a - 3.5f), polar(c, 378, a + 3.5f)}));
    }
    for (int i = 0; i < 20; ++i) {
        const ScenePoint at{random.between(60, 940), random.between(60, 940)};
        const float size = random.between(15, 45);
        scene.under.push_back(
            polygon(SceneShape::Polygon, i % 5,
                    i % 2 == 0 ? star(at, size) : regular(at, size, 3 + i % 5, i * 11.0f)));
    }
    for (int i = 0; i < 15; ++i) {
        scene.under.push_back(text(kWhiteFill + i % 5, i % 3, SceneAlign(i % 3),
                                   polar(c, 255, i * 24.0f), degrees(i * 24)));
    }
}

// A moving tape: 16 ticks running past both clip edges, a readout box and
// pointer, a bug, a mark and three numbers.
SceneContainer tape(int k) {
    SceneContainer frame;
    frame.origin = {15.0f + float(k % 5) * 196.0f, 40.0f + float(k / 5) * 480.0f};
    frame.angle = k == 2 ? 6.0f : k == 6 ? -9.0f : k == 8 ? 15.0f : 0.0f;
    frame.clipWidth = 170;
    frame.clipHeight = 420;
    frame.ellipseClip = k == 4 || k == 7;
    const float offset = -37.0f + float(k) * 7.0f;
    for (int i = 0; i < 16; ++i) {
        const float y = offset + float(i) * 30.0f;
        frame.items.push_back(
            line(i % 4 == 0 ? kWhitePen : kGreenPen, {i % 2 ? 135.0f : 120.0f, y}, {178, y}));
    }
    frame.items.push_back(polygon(SceneShape::FilledPolygon, kAmberFill,
                                  {{112, 196}, {150, 190}, {165, 210}, {150, 230}, {112, 224}}));
    frame.items.push_back(
        polygon(SceneShape::Polygon, kWhitePen, {{18, 188}, {112, 188}, {112, 232}, {18, 232}}));
    frame.items.push_back(
        polygon(SceneShape::FilledPolygon, kWhiteFill + 2,
                {{165, 100.0f + k * 10}, {140, 88.0f + k * 10}, {140, 112.0f + k * 10}}));
    frame.items.push_back(polygon(SceneShape::Polygon, kMagentaPen, star({60, 330}, 30)));
    for (int j = 0; j < 2; ++j)
        frame.items.push_back(text(kWhiteFill, 0, SceneAlign::Right,
                                   {112, offset + float(2 + 8 * j) * 30.0f + 8},
                                   std::to_wstring(k * 1000 + j * 500)));
    frame.items.push_back(
        text(kAmberFill, 1, SceneAlign::Center, {65, 222}, std::to_wstring(12000 + k * 37)));
    return frame;
}

// A pitch ladder of 12 rungs, long crossing lines, 40 scattered shapes and
// 15 labels and readouts.
void addOverlay(Scene& scene, SceneRandom& random) {
    for (int j = 0; j < 12; ++j) {
        const float y = 150.0f + float(j) * 60.0f, w = j % 2 ? 60.0f : 110.0f;
        const float tip = j < 6 ? 12.0f : -12.0f;
        const int style = j < 6 ? kWhitePen : kDashPen;
        const float l = 460 - w, r = 540 + w;
        scene.over.push_back(line(style, {l, y}, {460, y}));
        scene.over.push_back(line(style, {540, y}, {r, y}));
        scene.over.push_back(line(kWhitePen, {l, y}, {l, y + tip}));
        scene.over.push_back(line(kWhitePen, {r, y}, {r, y + tip}));
        scene.over.push_back(
            text(kWhiteFill, 0, SceneAlign::Right, {l - 6, y + 8}, std::to_wstring((6 - j) * 5)));
    }
    for (int i = 0; i < 12; ++i) {
        const ScenePoint a{random.between(0, 1000), random.between(0, 1000)};
        const ScenePoint b{random.between(0, 1000), random.between(0, 1000)};
        scene.over.push_back(line(i % 2 ? kDashPen : kMagentaPen, a, b));
    }
    for (int i = 0; i < 40; ++i) {
        const ScenePoint c{random.between(40, 960), random.between(40, 960)};
        std::vector<ScenePoint> points;
        const int corners = i < 20 ? 3 : 4;
        for (int k = 0; k < corners; ++k)
            points.push_back(
                polar(c, random.between(10, 35), k * 360.0f / corners + random.between(-25, 25)));
        scene.over.push_back(
            i < 20 ? polygon(SceneShape::FilledPolygon, kWhiteFill + i % 5, std::move(points))
                   : polygon(SceneShape::Polygon, i % 5, std::move(points)));
    }
    scene.over.push_back(text(kWhiteFill + 3, 2, SceneAlign::Center, {150, 975}, L"GS 245"));
    scene.over.push_back(text(kAmberFill, 2, SceneAlign::Center, {500, 975}, L"HDG 271\u00B0"));
    scene.over.push_back(text(kWhiteFill + 4, 2, SceneAlign::Center, {850, 975}, L"TAS 312"));
}

cairo_font_options_t* textOptions() {
    // Anti-aliased grey text with linear metrics, as the displays draw it.
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    return o;
}

cairo_font_face_t* matchFace(const std::string& family, bool bold) {
    FcInit();
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr) return nullptr;
    cairo_font_face_t* face = cairo_ft_font_face_create_for_pattern(match);
    FcPatternDestroy(match);
    return face;
}

}  // namespace

Scene standardScene() {
    Scene scene;
    scene.fontFace = L"DejaVu Sans";
    scene.background = 0x00201008;
    scene.styles = {
        {SceneStyleKind::Pen, 0x00FFFFFF, 2.0f},  {SceneStyleKind::Pen, 0x0000FF00, 3.0f},
        {SceneStyleKind::Pen, 0x00FF00FF, 2.5f},  {SceneStyleKind::LongDashPen, 0x00FFFF00, 2.0f},
        {SceneStyleKind::Pen, 0x0000C0FF, 4.0f},  {SceneStyleKind::Fill, 0x00FFFFFF, 1.0f},
        {SceneStyleKind::Fill, 0x00B07030, 1.0f}, {SceneStyleKind::Fill, 0x0000C000, 1.0f},
        {SceneStyleKind::Fill, 0x0000C0FF, 1.0f}, {SceneStyleKind::Fill, 0x00FF00FF, 1.0f},
    };
    scene.fonts = {{20, false}, {28, true}, {36, false}};
    SceneRandom random;
    addRose(scene, random);
    for (int k = 0; k < 10; ++k) scene.containers.push_back(tape(k));
    addOverlay(scene, random);
    return scene;
}

SceneCounts countScene(const Scene& scene) {
    SceneCounts counts;
    auto add = [&](const std::vector<SceneItem>& items) {
        for (const SceneItem& item : items) {
            if (item.shape == SceneShape::Text)
                ++counts.strings;
            else
                ++counts.linesAndPolygons;
        }
    };
    add(scene.under);
    for (const SceneContainer& c : scene.containers) {
        ++counts.containers;
        add(c.items);
    }
    add(scene.over);
    return counts;
}

struct CairoScene::Impl {
    const Scene& scene;
    int width;
    int height;
    cairo_surface_t* surface = nullptr;
    cairo_t* cr = nullptr;
    cairo_font_options_t* options = textOptions();
    std::array<cairo_font_face_t*, 2> faces{};  // regular, bold

    Impl(const Scene& s, int w, int h) : scene(s), width(w), height(h) {
        surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
        cr = cairo_create(surface);
        const std::string family = toUtf8(scene.fontFace);
        faces = {matchFace(family, false), matchFace(family, true)};
    }

    ~Impl() {
        for (cairo_font_face_t* f : faces)
            if (f != nullptr) cairo_font_face_destroy(f);
        cairo_font_options_destroy(options);
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }

    void color(uint32_t bgr) {
        cairo_set_source_rgb(cr, (bgr & 0xFF) / 255.0, ((bgr >> 8) & 0xFF) / 255.0,
                             ((bgr >> 16) & 0xFF) / 255.0);
    }

    void path(const std::vector<ScenePoint>& points, bool closed) {
        cairo_move_to(cr, points[0].x, points[0].y);
        for (size_t i = 1; i < points.size(); ++i) cairo_line_to(cr, points[i].x, points[i].y);
        if (closed) cairo_close_path(cr);
    }

    void stroke(const SceneStyle& style) {
        color(style.color);
        cairo_set_line_width(cr, style.width);
        if (style.kind == SceneStyleKind::LongDashPen) {
            const double dashes[] = {4.0 * style.width, 4.0 * style.width};
            cairo_set_dash(cr, dashes, 2, 0);
        }
        cairo_stroke(cr);
        if (style.kind == SceneStyleKind::LongDashPen) cairo_set_dash(cr, nullptr, 0, 0);
    }

    void show(const SceneItem& item) {
        const SceneFont& font = scene.fonts[size_t(item.font)];
        cairo_set_font_face(cr, faces[font.bold ? 1 : 0]);
        cairo_set_font_size(cr, font.size);
        color(scene.styles[size_t(item.style)].color);
        // Left-aligned text starts a sixth of the em right of its point, and
        // right-aligned text ends as far left of it.
        const double pad = font.size / 6.0;
        double x = item.points[0].x + pad;
        if (item.align != SceneAlign::Left) {
            cairo_text_extents_t extents;
            cairo_text_extents(cr, item.utf8.c_str(), &extents);
            x = item.align == SceneAlign::Center ? item.points[0].x - extents.x_advance / 2
                                                 : item.points[0].x - extents.x_advance - pad;
        }
        cairo_move_to(cr, x, item.points[0].y);
        cairo_show_text(cr, item.utf8.c_str());
        cairo_new_path(cr);
    }

    void draw(const std::vector<SceneItem>& items) {
        for (const SceneItem& item : items) {
            const SceneStyle& style = scene.styles[size_t(item.style)];
            switch (item.shape) {
                case SceneShape::Line:
                case SceneShape::Polygon:
                    path(item.points, item.shape == SceneShape::Polygon);
                    stroke(style);
                    break;
                case SceneShape::FilledPolygon:
                    path(item.points, true);
                    color(style.color);
                    cairo_fill(cr);
                    break;
                case SceneShape::Text:
                    show(item);
                    break;
            }
        }
    }

    void clipTo(const SceneContainer& frame) {
        cairo_translate(cr, frame.origin.x, frame.origin.y);
        cairo_rotate(cr, frame.angle * kDegree);
        if (frame.ellipseClip) {
            cairo_save(cr);
            cairo_translate(cr, frame.clipWidth / 2, frame.clipHeight / 2);
            cairo_scale(cr, frame.clipWidth / 2, frame.clipHeight / 2);
            cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
            cairo_restore(cr);
        } else {
            cairo_rectangle(cr, 0, 0, frame.clipWidth, frame.clipHeight);
        }
        // Clip edges fall on whole pixels, as the displays' regions do.
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
        cairo_clip(cr);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    }

    void drawScene() {
        cairo_save(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
        color(scene.background);
        cairo_paint(cr);
        cairo_restore(cr);

        cairo_identity_matrix(cr);
        cairo_scale(cr, width / scene.logicalSize, height / scene.logicalSize);
        cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
        cairo_set_font_options(cr, options);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
        cairo_set_miter_limit(cr, 10.0);

        draw(scene.under);
        for (const SceneContainer& frame : scene.containers) {
            cairo_save(cr);
            clipTo(frame);
            draw(frame.items);
            cairo_restore(cr);
        }
        draw(scene.over);
        cairo_surface_flush(surface);
    }
};

CairoScene::CairoScene(const Scene& scene, int width, int height)
    : impl_(std::make_unique<Impl>(scene, width, height)) {}

CairoScene::~CairoScene() = default;

bool CairoScene::valid() const {
    return cairo_status(impl_->cr) == CAIRO_STATUS_SUCCESS && impl_->faces[0] != nullptr &&
           impl_->faces[1] != nullptr;
}

void CairoScene::draw() { impl_->drawScene(); }

const uint8_t* CairoScene::pixels() const { return cairo_image_surface_get_data(impl_->surface); }

int CairoScene::stride() const { return cairo_image_surface_get_stride(impl_->surface); }

bool CairoScene::writePng(const std::string& path) const {
    return cairo_surface_write_to_png(impl_->surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
}

}  // namespace bench
