#pragma once
// A display that counts what the dispatch asks of it, and gauge headers with
// a real surface element, for driving the gauge callbacks without a host.
#include <string>
#include <vector>

#include "host/gauge_header.h"
#include "zentra/frame/dispatch.h"
#include "zentra/frame/display_base.h"

namespace zentra::testing {

struct SpyCounts {
    int created = 0;
    int destroyed = 0;
    int powerUpdates = 0;
    int paints = 0;
    std::vector<std::string> loads;
};

inline SpyCounts& spyCounts() {
    static SpyCounts counts;
    return counts;
}

class SpyDisplay : public DisplayBase {
  public:
    explicit SpyDisplay(host::GaugeHeader* header, const char* section = "PFD")
        : DisplayBase(header, section) {
        ++spyCounts().created;
    }
    ~SpyDisplay() override { ++spyCounts().destroyed; }
    void updatePowerState() override { ++spyCounts().powerUpdates; }
    void paint() override { ++spyCounts().paints; }
    void loadSettings(const char* file) override {
        spyCounts().loads.push_back(std::string(sectionName()) + ":" + file);
        DisplayBase::loadSettings(file);
    }
    void setPopupWindowId(int32_t id) { popupWindowId_ = id; }
    host::GaugeHeader* header() const { return header_; }
};

inline DisplayBase* spyFactory(DisplayType type, host::GaugeHeader* header) {
    static const char* const sections[] = {"Debug", "PFD", "ND", "EICAS"};
    return new SpyDisplay(header, sections[static_cast<int>(type)]);
}

// A placed display gauge: header, background and a drawing surface of
// width x height pixels in 32-bit ARGB, as the host makes them.
struct PlacedGauge {
    explicit PlacedGauge(int width = 16, int height = 16) {
        surface.header.type = host::ElementType::StaticImage;
        surface.header.imageFlags = host::kImageCreateDibSection;
        surface.hdc = &pixels;
        background.header.children = surfaceList;
        header.elementList = list;
        resize(width, height);
    }
    // The host places the gauge at a new size: new pixels, black.
    void resize(int width, int height) {
        store.assign(size_t(width) * height, 0xFF000000u);
        pixels.pixels = reinterpret_cast<uint8_t*>(store.data());
        pixels.width = width;
        pixels.height = height;
        pixels.stride = width * 4;
        pixels.format = host::PixelFormat::Argb32;
        surface.imageWidth = width;
        surface.imageHeight = height;
    }
    uint32_t pixel(int x, int y) const { return store[size_t(y) * pixels.width + x]; }
    bool onScreenMark() const { return surface.header.imageFlags & host::kImageOnScreen; }
    void setOnScreenMark() { surface.header.imageFlags |= host::kImageOnScreen; }

    std::vector<uint32_t> store;
    host::Surface pixels{};
    host::StaticImage surface{};
    host::ElementHeader* surfaceList[2] = {&surface.header, nullptr};
    host::StaticImage background{};
    host::ElementHeader* list[2] = {&background.header, nullptr};
    host::GaugeHeader header{};
};

}  // namespace zentra::testing
