#pragma once
// A display's pens and brushes, one slot per configured colour: what each
// element draws with. Slots are numbered by the display's configuration.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/gfx/brush.h"
#include "platform/gfx/pen.h"
#include "zentra/draw/gfx_names.h"

namespace zentra {

enum class StyleKind : int32_t {
    None = 0,                 // an unset slot: nothing is built
    Pen = 1,                  // solid pen
    PenAndFill = 2,           // solid pen and solid brush of the same colour
    LongDashPen = 3,          // dashes 4, 4 (in pen widths)
    ShortDashPen = 4,         // dashes 2, 2
    Fill = 5,                 // solid brush
    PenAndDiagonalHatch = 6,  // solid pen, forward diagonal hatch brush
    VerticalHatch = 7,        // light vertical hatch brush
};

struct DrawStyle {
    StyleKind kind = StyleKind::None;
    uint32_t colorInUse = 0xFF000000;  // ARGB, brightness applied
    uint32_t configuredColor = 0;      // 0x00BBGGRR as configured
    float width = 1.0f;                // pen width in logical units
    // Configured "TRANSPARENT": the slot gets no pen and no brush, so
    // whatever draws with it shows nothing.
    bool transparent = false;
};

// 0x00BBGGRR times the brightness factor, each channel clamped to 255 and
// truncated, as opaque ARGB. A factor that is not a number counts as 0.
uint32_t colorInUse(uint32_t configuredColor, float brightness);

bool styleHasPen(StyleKind kind);
bool styleHasBrush(StyleKind kind);

class StyleTable {
  public:
    // Drops every slot and its live objects, then makes count unset slots.
    void reset(int count);
    int count() const { return int(styles_.size()); }

    // Sets one slot (the table grows to hold it; a negative slot is ignored).
    // Live objects are made by rebuildStyleObjects.
    void setStyle(int slot, StyleKind kind, uint32_t configuredColor, float width,
                  bool transparent = false);

    // An unset style for a slot outside the table.
    const DrawStyle& style(int slot) const;
    bool isTransparent(int slot) const { return style(slot).transparent; }
    // Live objects; null where the slot has none or is outside the table.
    gfx::Pen* pen(int slot) const;
    gfx::Brush* brush(int slot) const;

    // Recomputes the colour in use of one slot; with updateLive the slot's
    // live pen and brush take the new colour too.
    void applyBrightness(int slot, float brightness, bool updateLive);
    // Every slot recoloured, then every live object built anew.
    void refreshStyles(float brightness);
    // Replaces every slot's live pen and brush by new ones made from the style.
    void rebuildStyleObjects();
    // Live objects dropped, styles kept.
    void releaseStyleObjects();

  private:
    void rebuildSlot(size_t slot);

    std::vector<DrawStyle> styles_;
    std::vector<std::unique_ptr<gfx::Pen>> pens_;
    std::vector<std::unique_ptr<gfx::Brush>> brushes_;
};

}  // namespace zentra
