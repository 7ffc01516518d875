#include "zentra/frame/debug_display.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "host/panels.h"
#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"
#include "zentra/draw/display_text.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/frame/host_access.h"

namespace zentra {

namespace gfx = platform::gfx;

namespace {

constexpr int kFrameStyle = 0;
constexpr int kBackgroundStyle = 1;
constexpr int kTextStyle = 2;
constexpr wchar_t kTitle[] = L"KoRu+ Debugger";

}  // namespace

DebugDisplay::DebugDisplay(host::GaugeHeader* header) : DisplayBase(header, "Debug") {
    // Not driven by power: always at full brightness.
    brightness_ = 1.0f;
    styles_.reset(3);
    fonts_.reset(kFontSlots);
    format_.setAlignment(gfx::StringAlignment::Center);
    format_.setLineAlignment(gfx::StringAlignment::Center);
}

void DebugDisplay::loadSettings(const char* file) {
    DisplayBase::loadSettings(file);
    const char* s = sectionName_;
    lines_ = std::clamp(readInt(file, s, "NumberOfLines", 4), 0, kRowStoreSize);
    styles_.setStyle(kFrameStyle, StyleKind::PenAndFill,
                     readColor(file, s, "ForegroundColor", "RED"), 1.0f);
    styles_.setStyle(kBackgroundStyle, StyleKind::Fill,
                     readColor(file, s, "BackgroundColor", "BLACK"), 1.0f);
    styles_.setStyle(kTextStyle, StyleKind::Fill, readColor(file, s, "TextColor", "WHITE"), 1.0f);
    const std::wstring face = readWideText(file, s, "Font", L"Tahoma");
    const int size = readInt(file, s, "FontSize", 10);
    const int style = readNamed(file, s, "FontStyle", countOf(kFontStyleNames), kFontStyleNames, 0);
    fonts_.setFont(0, size, style, face);
    // A new row count divides the store anew: old texts would straddle rows.
    std::memset(rows_, 0, sizeof rows_);
    refreshStyles();
    rebuildFonts();
    configured_ = true;
    fullRedraw_ = true;
}

void DebugDisplay::refreshStyles() { styles_.refreshStyles(brightness_); }

void DebugDisplay::applyBrightness(int slot, bool updateLive) {
    styles_.applyBrightness(slot, brightness_, updateLive);
}

void DebugDisplay::rebuildStyleObjects() { styles_.rebuildStyleObjects(); }

void DebugDisplay::rebuildFonts() { fonts_.rebuildFonts(); }

void DebugDisplay::layoutRegions() {
    rebuildFonts();
    width_ = surfaceWidth();
    height_ = surfaceHeight();
    rowHeight_ = height_ / (std::max(lines_, 0) + 1);
    applyRenderingQuality(frameCanvas(), frameSettings().quality, false);
}

void DebugDisplay::setRowText(int row, const char* text) {
    if (row < 0 || row >= lines_ || text == nullptr) return;
    const int size = rowSize();
    char* start = rows_ + row * size;
    const size_t n = std::min(std::strlen(text), size_t(size - 1));
    std::memcpy(start, text, n);
    start[n] = '\0';
}

const char* DebugDisplay::rowText(int row) const {
    if (row < 0 || row >= lines_) return "";
    return rows_ + row * rowSize();
}

void DebugDisplay::readHostRows() {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->checkNamedVariable == nullptr ||
        panels->getNamedVariableValue == nullptr) {
        return;
    }
    // Beyond a few dozen rows nothing fits on a gauge: not looked up.
    const int count = std::min(lines_, 64);
    for (int r = 0; r < count; ++r) {
        const std::string name = "Debug Row " + std::to_string(r + 1);
        const int32_t id = panels->checkNamedVariable(name.c_str());
        if (id < 0) continue;
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", panels->getNamedVariableValue(id));
        setRowText(r, text);
    }
}

void DebugDisplay::paint() {
    Canvas& c = frameCanvas();
    if (c.graphics() == nullptr) return;
    if (fullRedraw_) layoutRegions();
    readHostRows();
    const float w = float(width_);
    const float h = float(rowHeight_);
    // Cleared first: row texts change and must not leave old glyphs behind.
    c.clear(styles_.style(kBackgroundStyle).colorInUse);
    c.fillRectangle(styles_.brush(kFrameStyle), 0.0f, 0.0f, w, h);
    c.drawRectangle(styles_.pen(kFrameStyle), 0.0f, 0.0f, w, float(height_));
    const gfx::Font* font = fonts_.font(0);
    const gfx::Brush* text = styles_.brush(kTextStyle);
    c.drawString(kTitle, int(std::wcslen(kTitle)), font, gfx::RectF{0.0f, 0.0f, w, h}, &format_,
                 text);
    for (int r = 1; r <= lines_; ++r) {
        const float y = h * float(r);
        c.drawLine(styles_.pen(kFrameStyle), 0.0f, y, w, y);
        const std::wstring row = toDisplayText(rowText(r - 1));
        c.drawString(row.c_str(), int(row.size()), font, gfx::PointF{w / 2.0f, y + h / 2.0f},
                     &format_, text);
    }
    // Drawn on the gauge thread: a back buffer is shown at once, and the
    // host is told the surface has a new picture.
    SurfaceContext* context = currentContext();
    if (context != nullptr && context->buffered && context->screen != nullptr &&
        context->backBuffer != nullptr) {
        context->screen->drawImage(context->backBuffer.get(), 0.0f, 0.0f);
    }
    afterRender();
    if (host::StaticImage* e = surfaceElement(header_))
        e->header.imageFlags &= ~host::kImageOnScreen;
}

}  // namespace zentra
