#include "zentra/pfd/marker_beacons.h"

#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

void drawMarkerBeacons(PfdPaint& p) {
    const wchar_t* text = nullptr;
    int slot = 0;
    if (OuterMarker()) {
        text = L" O ";
        slot = s::kOmiOuter;
    } else if (MiddleMarker()) {
        text = L" M ";
        slot = s::kOmiMiddle;
    } else if (InnerMarker()) {
        text = L" I ";
        slot = s::kOmiInner;
    } else {
        return;
    }
    Canvas& c = p.canvas;
    const gfx::Font* font = p.fonts.font(s::kOmiFont);
    const gfx::PointF at = p.settings.annunciators.omiPosition;
    // Centred on its position whatever the element before left in the shared format.
    p.format.setAlignment(gfx::StringAlignment::Center);
    p.format.setLineAlignment(gfx::StringAlignment::Center);
    if (!p.styles.isTransparent(s::kOmiBackground)) {
        gfx::RectF box;
        if (c.measureString(text, -1, font, at, &p.format, &box) == gfx::Status::Ok) {
            c.fillRectangle(p.styles.brush(s::kOmiBackground), box.x, box.y, box.width, box.height);
        }
    }
    c.drawString(text, -1, font, at, &p.format, p.styles.brush(slot));
}

}  // namespace zentra
