#include "platform/gfx/text_layout.h"

#include <algorithm>

#include "platform/gfx/gfx_init.h"
#include "platform/gfx/text_utf8.h"

namespace platform::gfx::detail {
namespace {

cairo_font_options_t* makeOptions(cairo_antialias_t aa) {
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_antialias(o, aa);
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(o, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_subpixel_order(o, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    return o;
}

float advanceOf(cairo_scaled_font_t* sf, const std::string& utf8) {
    if (utf8.empty()) return 0;
    cairo_text_extents_t ext;
    cairo_scaled_font_text_extents(sf, utf8.c_str(), &ext);
    return float(ext.x_advance);
}

float placed(float origin, float extent, float size, StringAlignment a) {
    // A zero extent is a point: the box is placed relative to it.
    switch (a) {
        case StringAlignment::Near:
            return origin;
        case StringAlignment::Center:
            return origin + (extent - size) / 2;
        case StringAlignment::Far:
            return origin + extent - size;
    }
    return origin;
}

}  // namespace

const cairo_font_options_t* fontOptions(int textHint) {
    static const cairo_font_options_t* gray = makeOptions(CAIRO_ANTIALIAS_GRAY);
    static const cairo_font_options_t* mono = makeOptions(CAIRO_ANTIALIAS_NONE);
    return (textHint == 1 || textHint == 2) ? mono : gray;
}

Status layoutText(std::wstring_view text, const Font& font, const RectF& layout,
                  const StringFormat* format, TextLayout* out) {
    if (!font.valid() || out == nullptr) return Status::InvalidParameter;
    *out = {};
    const StyleFace& face = font.family().info()->face(font.style());
    const FaceMetrics& m = face.metrics;
    const float em = font.worldSize();
    const float ascent = em * m.cellAscent / m.emHeight;
    const float lineHeight = em * m.lineSpacing / m.emHeight;
    const float pad = em / 6;
    out->em = em;
    out->face = &face;
    CairoLock lock;

    cairo_matrix_t fm, ctm;
    cairo_matrix_init_scale(&fm, em, em);
    cairo_matrix_init_identity(&ctm);
    cairo_scaled_font_t* sf = cairo_scaled_font_create(face.face, &fm, &ctm, fontOptions(4));

    std::vector<std::wstring_view> rows;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == L'\n') {
            std::wstring_view row = text.substr(start, i - start);
            if (!row.empty() && row.back() == L'\r') row.remove_suffix(1);
            rows.push_back(row);
            start = i + 1;
        }
    }
    if (text.empty()) rows.clear();

    float widest = 0;
    for (std::wstring_view row : rows) {
        std::wstring_view trimmed = row;
        while (!trimmed.empty() && trimmed.back() == L' ') trimmed.remove_suffix(1);
        TextLine line;
        line.utf8 = toUtf8(trimmed);
        line.advance = advanceOf(sf, line.utf8);
        widest = std::max(widest, line.advance);
        out->codepoints += int(row.size());
        out->lines.push_back(std::move(line));
    }
    cairo_scaled_font_destroy(sf);
    if (!rows.empty()) out->codepoints += int(rows.size()) - 1;

    const StringAlignment align = format ? format->alignment() : StringAlignment::Near;
    const StringAlignment lineAlign = format ? format->lineAlignment() : StringAlignment::Near;
    const float width = rows.empty() ? 0 : widest + 2 * pad;
    const float height = float(rows.size()) * lineHeight;
    out->box = {placed(layout.x, layout.width, width, align),
                placed(layout.y, layout.height, height, lineAlign), width, height};
    for (size_t i = 0; i < out->lines.size(); ++i) {
        TextLine& line = out->lines[i];
        float inner = 0;
        if (align == StringAlignment::Center) inner = (widest - line.advance) / 2;
        if (align == StringAlignment::Far) inner = widest - line.advance;
        line.x = out->box.x + pad + inner;
        line.baseline = out->box.y + float(i) * lineHeight + ascent;
    }
    return Status::Ok;
}

}  // namespace platform::gfx::detail
