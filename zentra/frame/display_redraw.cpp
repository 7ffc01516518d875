// Surfaces and the redraw decision: which surface a draw call paints, and
// the open and close events of the panel windows that show the gauge.
#include <cstdint>

#include "host/panels.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/frame/display_base.h"
#include "zentra/frame/host_access.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

constexpr int kVirtualCockpitView = 2;

// The number the trace shows for a surface handle.
int hdcNumber(host::HDC hdc) {
    return static_cast<int>(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(hdc)));
}

bool wantsAlpha(const host::StaticImage* element) {
    return element != nullptr && (element->header.imageFlags & host::kImageUseAlpha) != 0;
}

int32_t viewMode() {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->executeCalculatorCode == nullptr) return 0;
    double f = 0.0;
    int32_t mode = 0;
    panels->executeCalculatorCode("(P:ACTIVE VIEW MODE, number)", &f, &mode, nullptr);
    return mode;
}

bool windowVisible(uint32_t ident) {
    host::PanelsTable* panels = hostPanels();
    return panels != nullptr && panels->isPanelWindowVisibleIdent != nullptr &&
           panels->isPanelWindowVisibleIdent(ident) != 0;
}

}  // namespace

void DisplayBase::takeHeader(host::GaugeHeader* header) {
    header_ = header;
    element_ = surfaceElement(header);
    hdc_ = element_ != nullptr ? element_->hdc : nullptr;
}

void DisplayBase::onPanelOpen(host::GaugeHeader* header) {
    lastPowered_ = isPowered();
    powerState_ = lastPowered_ ? PowerState::On : PowerState::Off;
    if (header != nullptr) takeHeader(header);
    trace("OPEN - HDC = %d\n", hdcNumber(hdc_));
    if (openPending_) {
        trace("Open Event not processed yet -> Stacking HDC %d\n", hdcNumber(pendingHdc_));
        // A full stack keeps its entries; the older pending open is dropped.
        if (stackCount_ < kHdcStackSize) {
            hdcStack_[stackCount_++] = pendingHdc_;
            trace("Pushing HDC %d - Now %d elements in the stack\n", hdcNumber(pendingHdc_),
                  stackCount_);
        }
    }
    openPending_ = true;
    pendingHdc_ = hdc_;
}

void DisplayBase::onPanelClose(host::GaugeHeader* header) {
    if (header != nullptr) takeHeader(header);
    trace("CLOSE - HDC = %d\n", hdcNumber(hdc_));
    closePending_ = true;
    pendingHdc_ = hdc_;
}

void DisplayBase::onKill() { killSeen_ = true; }

void DisplayBase::onUpdate() {
    trace("UPDATE :\n");
    if (openPending_) {
        processOpen();
    } else if (closePending_) {
        processClose();
    }
}

void DisplayBase::processOpen() {
    // Contexts change: the render must not be using one.
    waitForRender();
    trace(" - Processing OPEN event (HDC = %d)\n", hdcNumber(pendingHdc_));
    bool found = false;
    for (int i = 0; i < contextCount_; ++i) {
        SurfaceContext& c = *contexts_[i];
        if (c.hdc == pendingHdc_) {
            trace(" - Existing context #%d found\n", i);
            c.isVC = false;
            c.clearPending = false;
            c.noRedraw = false;
            found = true;
        } else {
            c.clearPending = true;
        }
    }
    if (!found) {
        trace(" - Creating context #%d: HDC = %d\n", contextCount_, hdcNumber(pendingHdc_));
        // A full table or a surface that cannot take graphics: no context;
        // the window's draw calls are then skipped.
        if (contextCount_ < kMaxContexts) {
            const int w = element_ != nullptr ? element_->imageWidth : 0;
            const int h = element_ != nullptr ? element_->imageHeight : 0;
            auto c =
                makeSurfaceContext(pendingHdc_, frame_.doubleBuffering, w, h, wantsAlpha(element_));
            if (c != nullptr) {
                c->isVC = false;
                current_ = contextCount_;
                contexts_[contextCount_++] = std::move(c);
            }
        }
    }
    openPending_ = false;
}

void DisplayBase::processClose() {
    trace(" - Processing CLOSE event (HDC = %d)\n", hdcNumber(pendingHdc_));
    for (int i = 0; i < contextCount_; ++i) {
        SurfaceContext& c = *contexts_[i];
        if (c.hdc == pendingHdc_) {
            trace(" - Existing context #%d closed\n", i);
            c.clearPending = true;
        } else {
            c.clearPending = false;
            c.noRedraw = false;
        }
    }
    closePending_ = false;
    host::HDC back = nullptr;
    if (stackCount_ > 0) {
        back = hdcStack_[--stackCount_];
        trace("Pulling HDC %d from the stack, %d remaining\n", hdcNumber(back), stackCount_);
    } else {
        trace("Stack is empty\n");
    }
    if (back != nullptr) {
        trace(" - Pulling HDC %d from the stack\n", hdcNumber(back));
        openPending_ = true;
        pendingHdc_ = back;
    }
}

bool DisplayBase::windowMayPaint() {
    const SurfaceContext* c = currentContext();
    if (c->isVC) return viewMode() == kVirtualCockpitView;
    if (windowVisible(0)) return true;
    return popupWindowId_ != 0 && windowVisible(static_cast<uint32_t>(popupWindowId_));
}

bool DisplayBase::prepareRedraw(host::GaugeHeader* header) {
    if (header == nullptr) return false;
    takeHeader(header);
    if (element_ == nullptr || hdc_ == nullptr) return false;
    if (!configured_) return false;
    surfaceWidth_ = element_->imageWidth;
    surfaceHeight_ = element_->imageHeight;
    trace("RE-DRAW HDC %d:\n", hdcNumber(hdc_));

    int found = -1;
    for (int i = 0; i < contextCount_; ++i) {
        if (contexts_[i]->hdc == hdc_) {
            found = i;
            break;
        }
    }
    if (found >= 0) {
        trace("- Existing context #%d found (%s)\n", found, contexts_[found]->isVC ? "VC" : "2D");
        current_ = found;
    } else {
        trace("- Creating context #%d\n", contextCount_);
        // Beyond the table, or without memory: this call draws nothing.
        if (contextCount_ >= kMaxContexts) return false;
        auto c = makeSurfaceContext(hdc_, frame_.doubleBuffering, surfaceWidth_, surfaceHeight_,
                                    wantsAlpha(element_));
        if (c == nullptr) return false;
        if (killSeen_) {
            c->isVC = false;
            killSeen_ = false;
        }
        current_ = contextCount_;
        contexts_[contextCount_++] = std::move(c);
    }
    SurfaceContext* c = currentContext();
    if (c->noRedraw) {
        trace("- Redrawing ignored (noRedraw)\n");
        return false;
    }
    if (!windowMayPaint()) {
        trace("- Redrawing inapropriate (2D/VC)\n");
        return false;
    }

    // A surface whose pixels changed size, or a buffering setting changed
    // by a reload, gets its graphics anew, so the picture fills it.
    const bool sizeChanged =
        c->screen == nullptr || c->screen->width() != surfaceWidth_ ||
        c->screen->height() != surfaceHeight_ ||
        (c->backBuffer != nullptr &&
         (c->backBuffer->width() != surfaceWidth_ || c->backBuffer->height() != surfaceHeight_));
    if (sizeChanged || c->buffered != frame_.doubleBuffering) {
        c->buffered = frame_.doubleBuffering;
        if (!c->build(surfaceWidth_, surfaceHeight_, wantsAlpha(element_))) return false;
    }
    canvas_.setGraphics(c->drawingGraphics());
    applyRenderingQuality(canvas_, frame_.quality, false);

    if (surfaceWidth_ != resizedWidth_ || surfaceHeight_ != resizedHeight_ || !c->sized) {
        trace("- Resizing from %d X %d to %d X %d\n", resizedWidth_, resizedHeight_, surfaceWidth_,
              surfaceHeight_);
        c->sized = true;
        resizedWidth_ = surfaceWidth_;
        resizedHeight_ = surfaceHeight_;
        fullRedraw_ = true;
    }
    if (frame_.ignoredRedraws != 0) {
        if (skippedRedraws_++ < frame_.ignoredRedraws) return false;
    }
    skippedRedraws_ = 0;
    return true;
}

void DisplayBase::onDraw(host::GaugeHeader* header) {
    // This call may change the surface and the canvas a render is using.
    waitForRender();
    if (!prepareRedraw(header)) return;
    trace("Finally REDRAWING - Value of %s is %.2f\n", "Airspeed", IndicatedAirspeed());
    SurfaceContext* c = currentContext();
    if (c->clearPending) {
        c->screen->clear(0xFF000000u);
        c->clearPending = false;
        c->noRedraw = true;
        element_->header.imageFlags &= ~host::kImageOnScreen;
        return;
    }
    const double now = SimTime();
    // Also a NaN on either side: a new step. Paused: the last picture stays.
    if (!(now == lastPaintTime_)) {
        lastPaintTime_ = now;
        paint();
    }
}

}  // namespace zentra
