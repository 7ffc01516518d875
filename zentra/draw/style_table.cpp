#include "zentra/draw/style_table.h"

#include <cmath>

namespace zentra {

namespace {

uint32_t channelTimes(uint32_t channel, float brightness) {
    const float value = float(channel) * brightness;
    if (!(value > 0)) return 0;  // negative or not a number
    if (value >= 255.0f) return 255;
    return uint32_t(value);
}

const DrawStyle kUnsetStyle{};

}  // namespace

uint32_t colorInUse(uint32_t configuredColor, float brightness) {
    const uint32_t red = channelTimes(configuredColor & 0xFF, brightness);
    const uint32_t green = channelTimes((configuredColor >> 8) & 0xFF, brightness);
    const uint32_t blue = channelTimes((configuredColor >> 16) & 0xFF, brightness);
    return 0xFF000000u | red << 16 | green << 8 | blue;
}

bool styleHasPen(StyleKind kind) {
    switch (kind) {
        case StyleKind::Pen:
        case StyleKind::PenAndFill:
        case StyleKind::LongDashPen:
        case StyleKind::ShortDashPen:
        case StyleKind::PenAndDiagonalHatch:
            return true;
        default:
            return false;
    }
}

bool styleHasBrush(StyleKind kind) {
    switch (kind) {
        case StyleKind::PenAndFill:
        case StyleKind::Fill:
        case StyleKind::PenAndDiagonalHatch:
        case StyleKind::VerticalHatch:
            return true;
        default:
            return false;
    }
}

void StyleTable::reset(int count) {
    styles_.clear();
    pens_.clear();
    brushes_.clear();
    if (count < 0) count = 0;
    styles_.resize(size_t(count));
    pens_.resize(size_t(count));
    brushes_.resize(size_t(count));
}

void StyleTable::setStyle(int slot, StyleKind kind, uint32_t configuredColor, float width,
                          bool transparent) {
    if (slot < 0) return;
    if (size_t(slot) >= styles_.size()) {
        styles_.resize(size_t(slot) + 1);
        pens_.resize(size_t(slot) + 1);
        brushes_.resize(size_t(slot) + 1);
    }
    DrawStyle& style = styles_[size_t(slot)];
    style.kind = kind;
    style.configuredColor = configuredColor & 0x00FFFFFF;
    style.width = width;
    style.transparent = transparent;
}

const DrawStyle& StyleTable::style(int slot) const {
    if (slot < 0 || size_t(slot) >= styles_.size()) return kUnsetStyle;
    return styles_[size_t(slot)];
}

gfx::Pen* StyleTable::pen(int slot) const {
    if (slot < 0 || size_t(slot) >= pens_.size()) return nullptr;
    return pens_[size_t(slot)].get();
}

gfx::Brush* StyleTable::brush(int slot) const {
    if (slot < 0 || size_t(slot) >= brushes_.size()) return nullptr;
    return brushes_[size_t(slot)].get();
}

void StyleTable::applyBrightness(int slot, float brightness, bool updateLive) {
    if (slot < 0 || size_t(slot) >= styles_.size()) return;
    DrawStyle& style = styles_[size_t(slot)];
    style.colorInUse = colorInUse(style.configuredColor, brightness);
    if (!updateLive) return;
    // Every live object follows, dashed pens and hatches included, so that
    // no element keeps the old brightness.
    if (gfx::Pen* livePen = pens_[size_t(slot)].get()) livePen->setColor(style.colorInUse);
    gfx::Brush* liveBrush = brushes_[size_t(slot)].get();
    if (liveBrush == nullptr) return;
    if (liveBrush->kind() == gfx::BrushKind::Solid) {
        static_cast<gfx::SolidBrush*>(liveBrush)->setColor(style.colorInUse);
    } else {
        rebuildSlot(size_t(slot));
    }
}

void StyleTable::refreshStyles(float brightness) {
    for (int slot = 0; slot < count(); ++slot) applyBrightness(slot, brightness, false);
    rebuildStyleObjects();
}

void StyleTable::rebuildStyleObjects() {
    for (size_t slot = 0; slot < styles_.size(); ++slot) rebuildSlot(slot);
}

void StyleTable::releaseStyleObjects() {
    for (auto& p : pens_) p.reset();
    for (auto& b : brushes_) b.reset();
}

void StyleTable::rebuildSlot(size_t slot) {
    pens_[slot].reset();
    brushes_[slot].reset();
    const DrawStyle& style = styles_[slot];
    if (style.transparent) return;
    const uint32_t color = style.colorInUse;

    if (styleHasPen(style.kind)) {
        auto pen = std::make_unique<gfx::Pen>(color, style.width, gfx::Unit::World);
        if (style.kind == StyleKind::LongDashPen) {
            const float dashes[] = {4.0f, 4.0f};
            pen->setDashPattern(dashes, 2);
        } else if (style.kind == StyleKind::ShortDashPen) {
            const float dashes[] = {2.0f, 2.0f};
            pen->setDashPattern(dashes, 2);
        }
        pens_[slot] = std::move(pen);
    }
    switch (style.kind) {
        case StyleKind::PenAndFill:
        case StyleKind::Fill:
            brushes_[slot] = std::make_unique<gfx::SolidBrush>(color);
            break;
        case StyleKind::PenAndDiagonalHatch:
            brushes_[slot] =
                std::make_unique<gfx::HatchBrush>(gfx::HatchStyle::ForwardDiagonal, color, 0);
            break;
        case StyleKind::VerticalHatch:
            brushes_[slot] =
                std::make_unique<gfx::HatchBrush>(gfx::HatchStyle::LightVertical, color, 0);
            break;
        default:
            break;
    }
}

}  // namespace zentra
