#include "zentra/frame/display_registry.h"

#include <algorithm>
#include <array>

#include "zentra/frame/display_base.h"

namespace zentra {

namespace {

std::array<DisplayBase*, kDisplayRegistryCapacity> gDisplays{};
int gCount = 0;

}  // namespace

bool registerDisplay(DisplayBase* display) {
    if (display == nullptr || gCount >= kDisplayRegistryCapacity) return false;
    gDisplays[gCount++] = display;
    return true;
}

void unregisterDisplay(DisplayBase* display) {
    auto* end = gDisplays.begin() + gCount;
    auto* it = std::find(gDisplays.begin(), end, display);
    if (it == end) return;
    std::copy(it + 1, end, it);  // keeps the construction order
    gDisplays[--gCount] = nullptr;
}

int registeredDisplayCount() { return gCount; }

DisplayBase* registeredDisplay(int index) {
    return index >= 0 && index < gCount ? gDisplays[index] : nullptr;
}

void loadSettingsIntoRegisteredDisplays(const char* file) {
    for (int i = 0; i < gCount; ++i) gDisplays[i]->loadSettings(file);
}

void waitForRegisteredRenders() {
    for (int i = 0; i < gCount; ++i) gDisplays[i]->waitForRender();
}

}  // namespace zentra
