#pragma once
// Font families found through the system's font configuration, and fonts
// made from them. Metrics are in the family's design units, as the font
// file gives them (em height = units per em).
#include <memory>
#include <string>

#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

namespace detail {
struct FamilyInfo;
}

class FontFamily {
  public:
    FontFamily() = default;  // not valid until found

    // FontFamilyNotFound when no installed family has this name (case
    // insensitive); out is left unchanged then.
    static Status fromName(const wchar_t* name, FontFamily* out);
    static Status fromName(const std::string& utf8Name, FontFamily* out);
    // The system's generic sans-serif family; found once per process.
    static const FontFamily& genericSansSerif();

    bool valid() const { return info_ != nullptr; }
    std::string name() const;  // UTF-8
    Status getName(std::wstring* name) const;

    // Per style (bold and italic bits matter); values in design units.
    Status getCellAscent(int style, uint16_t* ascent) const;
    Status getCellDescent(int style, uint16_t* descent) const;
    Status getEmHeight(int style, uint16_t* emHeight) const;
    Status getLineSpacing(int style, uint16_t* lineSpacing) const;
    bool isStyleAvailable(int style) const;

    const std::shared_ptr<const detail::FamilyInfo>& info() const { return info_; }

  private:
    std::shared_ptr<const detail::FamilyInfo> info_;
};

class Font {
  public:
    Font() = default;  // not valid
    // Pixel and World sizes are world units; Point is 1/72 inch at 96 per inch.
    Font(const FontFamily& family, float emSize, int style = FontStyleRegular,
         Unit unit = Unit::Pixel);
    // Fails (and the font stays invalid) on an invalid family, a size that is
    // not positive or an unsupported unit.
    static Status create(const FontFamily& family, float emSize, int style, Unit unit, Font* out);

    bool valid() const { return family_.valid() && size_ > 0; }
    Status lastStatus() const { return status_; }
    Status getFamily(FontFamily* family) const;
    const FontFamily& family() const { return family_; }
    Status getStyle(int* style) const;
    int style() const { return style_; }
    Status getSize(float* size) const;
    float size() const { return size_; }
    Unit unit() const { return unit_; }
    // Em size in world units.
    float worldSize() const;
    // Line height in world units.
    float height() const;

  private:
    FontFamily family_;
    float size_ = 0;
    int style_ = FontStyleRegular;
    Unit unit_ = Unit::Pixel;
    Status status_ = Status::InvalidParameter;
};

}  // namespace platform::gfx
