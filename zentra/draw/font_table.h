#pragma once
// A display's fonts, one slot per configured font.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/font.h"
#include "zentra/draw/gfx_names.h"

namespace zentra {

struct FontSpec {
    // Longest face name kept, in characters (a 100-character field with its terminator).
    static constexpr size_t kMaxFaceLength = 99;

    int32_t size = 0;   // logical units
    int32_t style = 0;  // 0 REGULAR, 1 BOLD, 2 ITALIC, 3 BOLD_ITALIC, 4 UNDERLINE
    std::wstring face;
};

class FontTable {
  public:
    // Drops every slot and its live font, then makes count empty slots.
    void reset(int count);
    int count() const { return int(specs_.size()); }

    // Sets one slot (the table grows to hold it; a negative slot is ignored);
    // a longer face name is cut. The live font is made by rebuildFonts.
    void setFont(int slot, int32_t size, int32_t style, const std::wstring& face);
    const FontSpec& fontSpec(int slot) const;
    // Null where the slot has no usable font or is outside the table.
    const gfx::Font* font(int slot) const;

    // Makes every slot's font anew: family by face name, or the generic
    // sans-serif family when the face is not installed or the font cannot
    // be made from it; size in pixel units, which are logical units under
    // the world scale.
    void rebuildFonts();
    void releaseFonts();

  private:
    std::vector<FontSpec> specs_;
    std::vector<std::unique_ptr<gfx::Font>> fonts_;
};

// One font as rebuildFonts makes it; null when even the fallback fails
// (a size that is not positive).
std::unique_ptr<gfx::Font> makeFont(const FontSpec& fs);

}  // namespace zentra
