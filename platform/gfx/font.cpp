#include "platform/gfx/font.h"

#include <cmath>

#include "platform/gfx/font_faces.h"
#include "platform/gfx/text_utf8.h"

namespace platform::gfx {

Status FontFamily::fromName(const wchar_t* name, FontFamily* out) {
    if (name == nullptr) return Status::InvalidParameter;
    return fromName(detail::toUtf8(name), out);
}

Status FontFamily::fromName(const std::string& utf8Name, FontFamily* out) {
    if (out == nullptr || utf8Name.empty()) return Status::InvalidParameter;
    auto info = detail::findFamily(utf8Name);
    if (!info) return Status::FontFamilyNotFound;
    out->info_ = std::move(info);
    return Status::Ok;
}

const FontFamily& FontFamily::genericSansSerif() {
    static const FontFamily& family = *new FontFamily([] {
        FontFamily f;
        f.info_ = detail::genericSansSerifFamily();
        return f;
    }());
    return family;
}

std::string FontFamily::name() const { return info_ ? info_->name : std::string(); }

Status FontFamily::getName(std::wstring* name) const {
    if (name == nullptr || !info_) return Status::InvalidParameter;
    *name = detail::fromUtf8(info_->name);
    return Status::Ok;
}

Status FontFamily::getCellAscent(int style, uint16_t* ascent) const {
    if (ascent == nullptr || !info_) return Status::InvalidParameter;
    *ascent = info_->face(style).metrics.cellAscent;
    return Status::Ok;
}

Status FontFamily::getCellDescent(int style, uint16_t* descent) const {
    if (descent == nullptr || !info_) return Status::InvalidParameter;
    *descent = info_->face(style).metrics.cellDescent;
    return Status::Ok;
}

Status FontFamily::getEmHeight(int style, uint16_t* emHeight) const {
    if (emHeight == nullptr || !info_) return Status::InvalidParameter;
    *emHeight = info_->face(style).metrics.emHeight;
    return Status::Ok;
}

Status FontFamily::getLineSpacing(int style, uint16_t* lineSpacing) const {
    if (lineSpacing == nullptr || !info_) return Status::InvalidParameter;
    *lineSpacing = info_->face(style).metrics.lineSpacing;
    return Status::Ok;
}

bool FontFamily::isStyleAvailable(int) const { return info_ != nullptr; }

namespace {

bool knownUnit(Unit u) { return int(u) >= 0 && int(u) <= 6; }

}  // namespace

Font::Font(const FontFamily& family, float emSize, int style, Unit unit) {
    create(family, emSize, style, unit, this);
}

Status Font::create(const FontFamily& family, float emSize, int style, Unit unit, Font* out) {
    if (out == nullptr) return Status::InvalidParameter;
    Status s = Status::Ok;
    if (!family.valid() || !std::isfinite(emSize) || emSize <= 0 || !knownUnit(unit) || style < 0 ||
        style > 15)
        s = Status::InvalidParameter;
    out->status_ = s;
    if (s != Status::Ok) {
        out->family_ = FontFamily();
        out->size_ = 0;
        return s;
    }
    out->family_ = family;
    out->size_ = emSize;
    out->style_ = style;
    out->unit_ = unit;
    return Status::Ok;
}

Status Font::getFamily(FontFamily* family) const {
    if (family == nullptr || !valid()) return Status::InvalidParameter;
    *family = family_;
    return Status::Ok;
}

Status Font::getStyle(int* style) const {
    if (style == nullptr || !valid()) return Status::InvalidParameter;
    *style = style_;
    return Status::Ok;
}

Status Font::getSize(float* size) const {
    if (size == nullptr || !valid()) return Status::InvalidParameter;
    *size = size_;
    return Status::Ok;
}

float Font::worldSize() const {
    // Physical units at 96 per inch, as on a standard desktop.
    switch (unit_) {
        case Unit::World:
        case Unit::Display:
        case Unit::Pixel:
            return size_;
        case Unit::Point:
            return size_ * 96.0f / 72.0f;
        case Unit::Inch:
            return size_ * 96.0f;
        case Unit::Document:
            return size_ * 96.0f / 300.0f;
        case Unit::Millimeter:
            return size_ * 96.0f / 25.4f;
    }
    return size_;
}

float Font::height() const {
    if (!valid()) return 0;
    const auto& m = family_.info()->face(style_).metrics;
    return worldSize() * float(m.lineSpacing) / float(m.emHeight);
}

}  // namespace platform::gfx
