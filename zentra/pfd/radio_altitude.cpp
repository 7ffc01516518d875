#include "zentra/pfd/radio_altitude.h"

#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

std::wstring radioAltitudeText(int32_t height, int32_t limit) {
    if (height > limit) return {};
    const int32_t step = height >= 1001 ? 50 : 10;
    return std::to_wstring(height / step * step);
}

void drawRadioAltitude(PfdPaint& p) {
    const int32_t h = HeightAboveLastGroundInt();
    if (h > p.settings.radioAltitudeLimit) return;
    const std::wstring text = radioAltitudeText(h, p.settings.radioAltitudeLimit);
    Canvas& c = p.canvas;
    const gfx::Font* font = p.fonts.font(s::kRadioAltitudeFont);
    const gfx::PointF at = p.settings.radioAltitudePosition;
    p.format.setAlignment(gfx::StringAlignment::Center);
    if (!p.styles.isTransparent(s::kRadioAltitudeBackground)) {
        gfx::RectF box;
        if (c.measureString(text.c_str(), -1, font, at, &p.format, &box) == gfx::Status::Ok) {
            const float margin = box.width / 4;
            c.fillRectangle(p.styles.brush(s::kRadioAltitudeBackground), box.x - margin, box.y,
                            box.width + 2 * margin, box.height);
        }
    }
    c.drawString(text.c_str(), -1, font, at, &p.format, p.styles.brush(s::kRadioAltitudeText));
}

}  // namespace zentra
