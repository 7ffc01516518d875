#include "zentra/pfd/mode_annunciator.h"

#include "platform/gfx/string_format.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

FmaEntry fmaColumnEntry(int column, int lines) {
    FmaEntry e;
    const int last = lines - 1;
    switch (column) {
        case 0:
            if (ApSpeedHold() != 0) e = {L"SPD", 0};
            if (ApMachHold() != 0) e = {L"MACH", last};
            break;
        case 1:
            if (ApAltitudeHold() != 0) e = {L"ALT", 0};
            if (ApGlideslopeHold() != 0) e = {L"G/S", last};
            break;
        case 2:
            if (ApHeadingHold() != 0) {
                e = {L"HDG", 0};
            } else if (ApWingLeveler() != 0) {
                e = {L"LVL", 0};
            }
            if (ApApproachHold() != 0) {
                e = {L"LOC", last};
            } else if (ApNavHold() != 0) {
                e = {GpsDrivesNav() != 0 ? L"FMS" : L"NAV", last};
            }
            break;
        default:
            break;
    }
    return e;
}

void ModeAnnunciator::layout(PfdPaint& p) {
    gfx::RectF box;
    gfx::StringFormat measure;
    lineHeight_ = 0;
    if (p.canvas.measureString(L"A", 1, p.fonts.font(s::kFmaFont), {0, 0}, &measure, &box) ==
        gfx::Status::Ok) {
        lineHeight_ = box.height;
    }
}

void ModeAnnunciator::paint(PfdPaint& p) const {
    const AnnunciatorSettings& a = p.settings.annunciators;
    if (!a.fma) return;
    const gfx::RectF& box = p.settings.fmaBox;
    Canvas& c = p.canvas;
    if (p.styles.style(s::kFmaBackground).configuredColor != p.styles.style(1).configuredColor &&
        !p.styles.isTransparent(s::kFmaBackground)) {
        c.fillRectangle(p.styles.brush(s::kFmaBackground), box.x, box.y, box.width, box.height);
    }
    // No columns means nothing to divide the box into.
    if (a.fmaColumns <= 0) return;
    const float cw = box.width / float(a.fmaColumns);
    gfx::StringFormat format;
    format.setAlignment(gfx::StringAlignment::Center);
    format.setLineAlignment(gfx::StringAlignment::Near);
    const gfx::Pen* pen = p.styles.pen(s::kFmaLines);
    for (int col = 0; col < a.fmaColumns; ++col) {
        if (col < a.fmaColumns - 1) {
            const float x = box.x + float(col + 1) * cw;
            c.drawLine(pen, x, box.y, x, box.bottom());
        }
        const FmaEntry e = fmaColumnEntry(col, a.fmaLines);
        if (e.text.empty()) continue;
        c.drawString(
            e.text.c_str(), -1, p.fonts.font(s::kFmaFont),
            gfx::PointF{box.x + (float(col) + 0.5f) * cw, box.y + float(e.line) * lineHeight_},
            &format, p.styles.brush(s::kFmaText));
    }
}

}  // namespace zentra
