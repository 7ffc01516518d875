#include "zentra/draw/text_anchor.h"

namespace zentra {

gfx::StringFormat& setAnchorAlignment(gfx::StringFormat& format, int32_t anchor) {
    using gfx::StringAlignment;
    if (anchor & TextAnchor::RIGHT) {
        format.setAlignment(StringAlignment::Far);
    } else if (anchor & TextAnchor::CENTER) {
        format.setAlignment(StringAlignment::Center);
    } else {
        format.setAlignment(StringAlignment::Near);
    }
    if (anchor & TextAnchor::BOTTOM) {
        format.setLineAlignment(StringAlignment::Far);
    } else if (anchor & TextAnchor::MIDDLE) {
        format.setLineAlignment(StringAlignment::Center);
    } else {
        format.setLineAlignment(StringAlignment::Near);
    }
    return format;
}

float baselineOffset(const gfx::Font& font) {
    gfx::FontFamily family;
    int style = 0;
    float size = 0;
    if (font.getFamily(&family) != gfx::Status::Ok || font.getStyle(&style) != gfx::Status::Ok ||
        font.getSize(&size) != gfx::Status::Ok) {
        return 0;
    }
    uint16_t ascent = 0;
    uint16_t emHeight = 0;
    if (family.getCellAscent(style, &ascent) != gfx::Status::Ok ||
        family.getEmHeight(style, &emHeight) != gfx::Status::Ok || emHeight == 0) {
        return 0;
    }
    return size * float(ascent) / float(emHeight);
}

void drawTextAtBaseline(Canvas& canvas, const wchar_t* text, int length, const gfx::Font* font,
                        gfx::PointF at, const gfx::StringFormat* format, const gfx::Brush* brush) {
    gfx::StringFormat nearFormat = format != nullptr ? format->clone() : gfx::StringFormat();
    nearFormat.setLineAlignment(gfx::StringAlignment::Near);
    const float offset = font != nullptr ? baselineOffset(*font) : 0;
    canvas.drawString(text, length, font, gfx::PointF{at.x, at.y - offset}, &nearFormat, brush);
}

void drawAnchoredText(Canvas& canvas, const std::wstring& text, const gfx::Font* font,
                      gfx::PointF at, int32_t anchor, gfx::StringFormat& format,
                      const gfx::Brush* brush) {
    setAnchorAlignment(format, anchor);
    if (anchor & TextAnchor::BASE) {
        drawTextAtBaseline(canvas, text.c_str(), -1, font, at, &format, brush);
    } else {
        canvas.drawString(text.c_str(), -1, font, at, &format, brush);
    }
}

std::wstring composeInfoText(const std::wstring& prefix, const std::wstring& value,
                             const std::wstring& suffix) {
    return prefix.substr(0, kInfoPartLength) + value.substr(0, kInfoPartLength) +
           suffix.substr(0, kInfoPartLength);
}

}  // namespace zentra
