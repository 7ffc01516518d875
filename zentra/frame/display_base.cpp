#include "zentra/frame/display_base.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

#include "zentra/frame/display_registry.h"

namespace zentra {

host::StaticImage* surfaceElement(host::GaugeHeader* header) {
    if (header == nullptr || header->elementList == nullptr) return nullptr;
    host::ElementHeader* background = header->elementList[0];
    if (background == nullptr || background->children == nullptr) return nullptr;
    host::ElementHeader* surface = background->children[0];
    if (surface == nullptr || surface->type != host::ElementType::StaticImage) return nullptr;
    return reinterpret_cast<host::StaticImage*>(surface);
}

DisplayBase::DisplayBase(host::GaugeHeader* header, const char* sectionName)
    : header_(header), sectionName_(sectionName) {
    registered_ = registerDisplay(this);
}

DisplayBase::~DisplayBase() {
    // The dispatch shuts the object down first; this only covers a caller
    // that did not, before the tables go.
    renderThread_.reset();
    unregisterDisplay(this);
}

void DisplayBase::clearBackground() {}
void DisplayBase::renderInstrument() {}
void DisplayBase::reservedSlot() {}

void DisplayBase::loadSettings(const char* file) {
    waitForRender();
    frame_ = readFrameSettings(file, sectionName_);
    popupWindowId_ = frame_.popupWindowId;
    configured_ = true;
    fullRedraw_ = true;
}

void DisplayBase::refreshStyles() {}
void DisplayBase::applyBrightness(int, bool) {}
void DisplayBase::rebuildStyleObjects() {}
void DisplayBase::rebuildFonts() {}
void DisplayBase::layoutRegions() {}

const SurfaceContext* DisplayBase::context(int index) const {
    return index >= 0 && index < contextCount_ ? contexts_[index].get() : nullptr;
}

SurfaceContext* DisplayBase::currentContext() const {
    return current_ >= 0 && current_ < contextCount_ ? contexts_[current_].get() : nullptr;
}

void DisplayBase::waitForRender() {
    if (renderThread_ != nullptr) renderThread_->waitIdle();
}

void DisplayBase::shutdown() {
    // No render may run once the tables are gone: the thread finishes its
    // frame and leaves its loop before anything is released.
    if (renderThread_ != nullptr) {
        renderThread_->stop();
        renderThread_.reset();
    }
    header_ = nullptr;
    element_ = nullptr;
    renderElement_ = nullptr;
    canvas_.setGraphics(nullptr);
    traceOn_ = false;
    trace_.clear();
    trace_.shrink_to_fit();
}

void DisplayBase::trace(const char* format, ...) {
    if (!traceOn_) return;
    char line[256];
    va_list args;
    va_start(args, format);
    const int n = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (n > 0) trace_.append(line, std::min(size_t(n), sizeof line - 1));
}

}  // namespace zentra
