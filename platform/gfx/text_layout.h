#pragma once
// Where the lines of a string go for a given font, layout rectangle and
// string format, in world coordinates. Drawing and measuring share it, so a
// measured box is exactly where the text is drawn.
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/font.h"
#include "platform/gfx/font_faces.h"
#include "platform/gfx/string_format.h"
#include "platform/gfx/types.h"

namespace platform::gfx::detail {

struct TextLine {
    std::string utf8;  // trailing spaces removed
    float x = 0;       // start of the first glyph
    float baseline = 0;
    float advance = 0;
};

struct TextLayout {
    std::vector<TextLine> lines;
    RectF box;
    float em = 0;  // world units
    const StyleFace* face = nullptr;
    int codepoints = 0;
};

// Cairo font options for a text hint: metrics never hinted, so advances scale
// linearly and text measures the same at every surface size.
const cairo_font_options_t* fontOptions(int textHint);

// InvalidParameter on an invalid font.
Status layoutText(std::wstring_view text, const Font& font, const RectF& layout,
                  const StringFormat* format, TextLayout* out);

}  // namespace platform::gfx::detail
