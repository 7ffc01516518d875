#pragma once
// The debug gauge: a title band above ruled text rows, section "Debug".
//
// Row texts: setRowText from code, and the host's named variables
// "Debug Row 1" ... "Debug Row N": while the host has such a variable, its
// row shows the value with two decimals (a scenario can key values into
// them). NumberOfLines below 1 shows the title band alone; above 10000 it
// is taken as 10000, so every row keeps at least its terminator.
#include <cstdint>

#include "platform/gfx/string_format.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/style_table.h"
#include "zentra/frame/display_base.h"

namespace zentra {

class DebugDisplay : public DisplayBase {
  public:
    static constexpr int kRowStoreSize = 10000;
    static constexpr int kFontSlots = 21;

    explicit DebugDisplay(host::GaugeHeader* header);

    void paint() override;
    void loadSettings(const char* file) override;
    void refreshStyles() override;
    void applyBrightness(int slot, bool updateLive) override;
    void rebuildStyleObjects() override;
    void rebuildFonts() override;
    void layoutRegions() override;

    int numberOfLines() const { return lines_; }
    int rowHeight() const { return rowHeight_; }
    int rowSize() const { return lines_ > 0 ? kRowStoreSize / lines_ : 0; }
    // Row r's text (cut to the row's size); a row outside 0..N-1 is ignored.
    void setRowText(int row, const char* text);
    const char* rowText(int row) const;
    const StyleTable& styles() const { return styles_; }
    const FontTable& fonts() const { return fonts_; }

  private:
    void readHostRows();

    int lines_ = 4;
    char rows_[kRowStoreSize] = {};
    StyleTable styles_;
    FontTable fonts_;
    platform::gfx::StringFormat format_;
    int rowHeight_ = 0;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace zentra
