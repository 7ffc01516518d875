#include "zentra/draw/rendering_quality.h"

namespace zentra {

gfx::TextRenderingHint textHintFor(FontQuality quality) {
    switch (quality) {
        case FontQuality::SingleBit:
            return gfx::TextRenderingHint::SingleBitPerPixelGridFit;
        case FontQuality::Antialiased:
            return gfx::TextRenderingHint::AntiAlias;
        case FontQuality::ClearType:
            return gfx::TextRenderingHint::ClearTypeGridFit;
        case FontQuality::Default:
            break;
    }
    return gfx::TextRenderingHint::SystemDefault;
}

void applyRenderingQuality(Canvas& canvas, const RenderingQuality& quality,
                           bool forceAntiAliasedText) {
    // Set both ways, so that switching AntiAliasing off by a reload takes
    // effect on a canvas that was anti-aliased before.
    canvas.setSmoothingMode(quality.antiAliasing ? gfx::SmoothingMode::AntiAlias
                                                 : gfx::SmoothingMode::Default);
    canvas.setTextRenderingHint(forceAntiAliasedText ? gfx::TextRenderingHint::AntiAlias
                                                     : textHintFor(quality.fontQuality));
}

void forceAntiAliasedText(Canvas& canvas) {
    canvas.setTextRenderingHint(gfx::TextRenderingHint::AntiAlias);
}

}  // namespace zentra
