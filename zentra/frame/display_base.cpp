#include "zentra/frame/display_base.h"

#include "zentra/frame/display_registry.h"
#include "zentra/simdata/snapshot_getters.h"

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

DisplayBase::~DisplayBase() { unregisterDisplay(this); }

void DisplayBase::clearBackground() {}

void DisplayBase::paint() {
    if (fullRedraw_) layoutRegions();
    renderInstrument();
    fullRedraw_ = false;
}

void DisplayBase::renderInstrument() {}
void DisplayBase::reservedSlot() {}

void DisplayBase::loadSettings(const char*) {
    configured_ = true;
    fullRedraw_ = true;
}

void DisplayBase::refreshStyles() {}
void DisplayBase::applyBrightness(int, bool) {}
void DisplayBase::rebuildStyleObjects() {}
void DisplayBase::rebuildFonts() {}
void DisplayBase::updatePowerState() {}
bool DisplayBase::isPowered() { return IsPowered(); }
void DisplayBase::layoutRegions() {}
void DisplayBase::publishBrightness() {}

void DisplayBase::onUpdate() {}

void DisplayBase::onDraw(host::GaugeHeader* header) {
    if (header != nullptr) header_ = header;
    host::StaticImage* surface = surfaceElement(header_);
    if (surface == nullptr || surface->hdc == nullptr) return;
    // An unconfigured display does not paint.
    if (!configured_) return;
    const double now = SimTime();
    if (now == lastPaintTime_) return;  // paused: the last picture stays
    lastPaintTime_ = now;
    paint();
}

void DisplayBase::onKill() {}

void DisplayBase::onPanelOpen(host::GaugeHeader* header) {
    if (header != nullptr) header_ = header;
}

void DisplayBase::onPanelClose(host::GaugeHeader* header) {
    if (header != nullptr) header_ = header;
}

void DisplayBase::shutdown() { header_ = nullptr; }

void DisplayBase::brightnessUp() {}
void DisplayBase::brightnessDown() {}

}  // namespace zentra
