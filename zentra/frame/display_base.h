#pragma once
// Base of the vector displays: one object per gauge type, shared by every
// window that shows the gauge. The virtual operations keep the slot order the
// displays are built around; the surface, render-thread and power handling
// behind the service handlers live with the display frame.
#include <cstdint>

#include "host/gauge_header.h"

namespace zentra {

// The drawing surface of a display gauge: the first child of its first
// element. Null when the header or its elements are missing.
host::StaticImage* surfaceElement(host::GaugeHeader* header);

class DisplayBase {
  public:
    DisplayBase(host::GaugeHeader* header, const char* sectionName);
    virtual ~DisplayBase();
    DisplayBase(const DisplayBase&) = delete;
    DisplayBase& operator=(const DisplayBase&) = delete;

    // Slots 0-12.
    virtual void clearBackground();
    virtual void paint();
    virtual void renderInstrument();
    virtual void reservedSlot();  // kept for the slot order; nothing calls it
    virtual void loadSettings(const char* file);
    virtual void refreshStyles();
    virtual void applyBrightness(int slot, bool updateLive);
    virtual void rebuildStyleObjects();
    virtual void rebuildFonts();
    virtual void updatePowerState();
    virtual bool isPowered();
    virtual void layoutRegions();
    virtual void publishBrightness();

    // Service handlers reached through the gauge dispatch.
    void onUpdate();
    void onDraw(host::GaugeHeader* header);
    void onKill();
    void onPanelOpen(host::GaugeHeader* header);
    void onPanelClose(host::GaugeHeader* header);
    void shutdown();

    int32_t popupWindowId() const { return popupWindowId_; }
    void brightnessUp();
    void brightnessDown();

    const char* sectionName() const { return sectionName_; }
    bool configured() const { return configured_; }
    // False when the registry was full: the object then never gets a configuration.
    bool registered() const { return registered_; }

  protected:
    host::GaugeHeader* header_ = nullptr;
    const char* sectionName_;
    bool configured_ = false;
    bool fullRedraw_ = true;
    bool registered_ = false;
    int32_t popupWindowId_ = 0;
    double lastPaintTime_ = 0.0;
};

}  // namespace zentra
