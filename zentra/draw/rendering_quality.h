#pragma once
// Line and text quality of a display (settings AntiAliasing and FontQuality).
#include "zentra/draw/canvas.h"

namespace zentra {

// FontQuality, as the font quality names are numbered.
enum class FontQuality : int { Default = 0, SingleBit = 1, Antialiased = 2, ClearType = 3 };

struct RenderingQuality {
    bool antiAliasing = true;
    FontQuality fontQuality = FontQuality::Antialiased;
};

// Applies the settings to the canvas. With forceAntiAliasedText the text is
// anti-aliased whatever FontQuality says: text that moves by fractions of a
// unit or turns with the instrument would jitter otherwise.
void applyRenderingQuality(Canvas& canvas, const RenderingQuality& quality,
                           bool forceAntiAliasedText);

// Only the forced text hint, for elements drawn inside a container that
// restores the configured one when it ends.
void forceAntiAliasedText(Canvas& canvas);

gfx::TextRenderingHint textHintFor(FontQuality quality);

}  // namespace zentra
