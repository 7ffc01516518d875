// The HSI as a straight heading tape with the autopilot heading index.
#include <cmath>
#include <string>

#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/symbols.h"
#include "zentra/draw/text_format.h"
#include "zentra/pfd/hsi_display.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

void HsiDisplay::paintTape(PfdPaint& p) const {
    const HsiSettings& h = p.settings.hsi;
    Canvas& c = p.canvas;
    const gfx::RectF& box = h.tapeBox;
    const float sc = tapeScale_;
    double heading = Heading();
    if (!std::isfinite(heading)) heading = 0;
    if (!p.styles.isTransparent(s::kHsiBackground)) {
        c.fillRectangle(p.styles.brush(s::kHsiBackground), box.x, box.y, box.width, box.height);
    }
    if (h.borderLine) {
        c.drawRectangle(p.styles.pen(s::kHsiForeground), box.x, box.y, box.width, box.height);
    }
    c.setClip(&tapeClip_);
    {
        CanvasContainer atReference(c);
        c.translateTransform(reference_.x, reference_.y);
        CanvasContainer moving(c);
        c.translateTransform(float(-heading * sc), 0);
        forceAntiAliasedText(c);

        const int64_t k = int64_t(std::trunc(std::fmod(heading, 3600.0) * 0.2));
        // Ranges beyond a full turn show nothing more.
        const int64_t m = int64_t(std::trunc(-0.5 * std::fmin(std::fabs(h.visibleRange), 720.0f)));
        const gfx::Pen* pen = p.styles.pen(s::kHsiForeground);
        const gfx::Brush* brush = p.styles.brush(s::kHsiForeground);
        for (int64_t d = 5 * k - 5 + m; d <= 5 * k + 5 - m; d += 5) {
            const float x = float(d) * sc;
            const bool ten = d % 10 == 0;
            const float length = ten ? h.bigTickSize : h.smallTickSize;
            c.drawLine(pen, x, 0, x, length);
            if (!ten) continue;
            const std::wstring label = compassLabel(int(((d % 360) + 360) % 360));
            const int font = d % 30 == 0 ? s::kHsiFont : s::kHsiSmallFont;
            c.drawString(label.c_str(), -1, p.fonts.font(font), gfx::PointF{x, length},
                         &tapeFormat_, brush);
        }

        const int slot = AutopilotOn() != 0 && ApHeadingHold() != 0 ? s::kApEngaged : s::kApArmed;
        if (!p.styles.isTransparent(slot) &&
            SymbolShape(p.settings.apHeadingIndexShape) == SymbolShape::Triangle) {
            const double b = tapeApHeading(heading, ApHeading(), h.visibleRange);
            drawTriangle(c, p.styles.pen(slot), {float(b * sc), 0}, p.settings.apIndexSize, 0);
        }
    }
    c.resetClip();
}

}  // namespace zentra
