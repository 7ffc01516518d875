#pragma once
// Base of the vector displays: one object per gauge type, shared by every
// window that shows the gauge. The virtual operations keep the slot order the
// displays are built around. The object keeps one context per surface it has
// seen, decides at each draw call whether that surface is painted, and
// paints on the gauge thread or hands the drawing to its render thread.
#include <cstdint>
#include <memory>
#include <string>

#include "host/gauge_header.h"
#include "zentra/draw/canvas.h"
#include "zentra/frame/frame_settings.h"
#include "zentra/frame/render_thread.h"
#include "zentra/frame/surface_context.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra {

// The drawing surface of a display gauge: the first child of its first
// element. Null when the header or its elements are missing.
host::StaticImage* surfaceElement(host::GaugeHeader* header);

enum class PowerState : int { Off = 0, Rising = 1, On = 2, Falling = 3 };

class DisplayBase {
  public:
    static constexpr int kMaxContexts = 50;
    static constexpr int kHdcStackSize = 50;
    static constexpr float kBrightnessStep = 0.05f;

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
    bool prepareRedraw(host::GaugeHeader* header);
    void shutdown();

    // Wheel steps on the gauge.
    void brightnessUp();
    void brightnessDown();

    // Returns once no render of this display is in flight: a render reads
    // the tables, the canvas and the snapshot copy without a lock.
    void waitForRender();

    int32_t popupWindowId() const { return popupWindowId_; }
    const char* sectionName() const { return sectionName_; }
    bool configured() const { return configured_; }
    // False when the registry was full: the object then never gets a configuration.
    bool registered() const { return registered_; }

    const FrameSettings& frameSettings() const { return frame_; }
    float displayBrightness() const { return brightness_; }
    float targetBrightness() const { return targetBrightness_; }
    PowerState powerState() const { return powerState_; }
    bool fullRedraw() const { return fullRedraw_; }

    int contextCount() const { return contextCount_; }
    const SurfaceContext* context(int index) const;
    int currentContextIndex() const { return current_; }
    int hdcStackDepth() const { return stackCount_; }

    // Redraw trace, a development aid: off at creation, no setting turns it on.
    void setTraceOn(bool on) { traceOn_ = on; }
    const std::string& traceText() const { return trace_; }
    void clearTrace() { trace_.clear(); }

  protected:
    // The graphics this frame draws on, and the surface's pixel size.
    Canvas& frameCanvas() { return canvas_; }
    int surfaceWidth() const { return surfaceWidth_; }
    int surfaceHeight() const { return surfaceHeight_; }
    SurfaceContext* currentContext() const;
    // After a render: the host takes a picture drawn straight on the surface.
    void afterRender();
    // Lighting and brightness follow-up, first step of paint.
    void followLighting();
    void trace(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // PFD, ND and EICAS: a brightness another module wrote into the shared
    // data block is taken over (first step of their paint).
    void takeSharedBrightness();
    // The display's brightness slot in the shared data block, or null.
    float* sharedBrightnessSlot() const;

    host::GaugeHeader* header_ = nullptr;
    const char* sectionName_;
    bool configured_ = false;
    bool fullRedraw_ = true;
    bool registered_ = false;
    int32_t popupWindowId_ = 0;
    double lastPaintTime_ = 0.0;
    FrameSettings frame_;

    float brightness_ = 0.0f;
    float targetBrightness_ = -1.0f;
    PowerState powerState_ = PowerState::Off;
    bool lastPowered_ = false;
    int32_t lastLightingMode_ = -1;

  private:
    void takeHeader(host::GaugeHeader* header);
    void processOpen();
    void processClose();
    bool windowMayPaint();
    void startRender();
    int sharedBrightnessOffset() const;
    void publishAfterRender();
    void stepBrightness(float step);
    void renderFrame();

    // Header, surface element and HDC of the last draw, open or close call.
    host::StaticImage* element_ = nullptr;
    host::HDC hdc_ = nullptr;

    std::unique_ptr<SurfaceContext> contexts_[kMaxContexts];
    int contextCount_ = 0;
    int current_ = -1;
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    int resizedWidth_ = 0;
    int resizedHeight_ = 0;
    int skippedRedraws_ = 0;

    host::HDC pendingHdc_ = nullptr;
    bool openPending_ = false;
    bool closePending_ = false;
    bool killSeen_ = false;
    host::HDC hdcStack_[kHdcStackSize] = {};
    int stackCount_ = 0;

    Canvas canvas_;
    bool traceOn_ = false;
    std::string trace_;

    // Render thread, and what one render uses that the gauge thread
    // changes between frames.
    std::unique_ptr<RenderThread> renderThread_;
    SimSnapshot renderSnapshot_;
    host::StaticImage* renderElement_ = nullptr;
};

}  // namespace zentra
