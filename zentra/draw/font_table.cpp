#include "zentra/draw/font_table.h"

namespace zentra {

namespace {
const FontSpec kEmptySpec{};
}  // namespace

std::unique_ptr<gfx::Font> makeFont(const FontSpec& fs) {
    gfx::FontFamily family;
    if (gfx::FontFamily::fromName(fs.face.c_str(), &family) != gfx::Status::Ok ||
        !family.valid()) {
        family = gfx::FontFamily::genericSansSerif();
    }
    auto font = std::make_unique<gfx::Font>();
    const float size = float(fs.size);
    if (gfx::Font::create(family, size, fs.style, gfx::Unit::Pixel, font.get()) ==
        gfx::Status::Ok) {
        return font;
    }
    if (gfx::Font::create(gfx::FontFamily::genericSansSerif(), size, fs.style, gfx::Unit::Pixel,
                          font.get()) == gfx::Status::Ok) {
        return font;
    }
    return nullptr;
}

void FontTable::reset(int count) {
    specs_.clear();
    fonts_.clear();
    if (count < 0) count = 0;
    specs_.resize(size_t(count));
    fonts_.resize(size_t(count));
}

void FontTable::setFont(int slot, int32_t size, int32_t style, const std::wstring& face) {
    if (slot < 0) return;
    if (size_t(slot) >= specs_.size()) {
        specs_.resize(size_t(slot) + 1);
        fonts_.resize(size_t(slot) + 1);
    }
    FontSpec& fs = specs_[size_t(slot)];
    fs.size = size;
    fs.style = style;
    fs.face = face.substr(0, FontSpec::kMaxFaceLength);
}

const FontSpec& FontTable::fontSpec(int slot) const {
    if (slot < 0 || size_t(slot) >= specs_.size()) return kEmptySpec;
    return specs_[size_t(slot)];
}

const gfx::Font* FontTable::font(int slot) const {
    if (slot < 0 || size_t(slot) >= fonts_.size()) return nullptr;
    return fonts_[size_t(slot)].get();
}

void FontTable::rebuildFonts() {
    for (size_t slot = 0; slot < specs_.size(); ++slot) fonts_[slot] = makeFont(specs_[slot]);
}

void FontTable::releaseFonts() {
    for (auto& f : fonts_) f.reset();
}

}  // namespace zentra
