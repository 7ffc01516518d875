// paint and the render thread: the instrument drawn on the gauge thread, or
// handed to the display's render thread and shown one painted frame later.
#include <new>

#include "zentra/frame/display_base.h"

namespace zentra {

namespace {

void clearOnScreenMark(host::StaticImage* element) {
    if (element != nullptr) element->header.imageFlags &= ~host::kImageOnScreen;
}

}  // namespace

void DisplayBase::startRender() {
    if (renderThread_ == nullptr) {
        renderThread_.reset(new (std::nothrow) RenderThread([this] { renderFrame(); }));
    }
    // Not started: nothing is rendered this frame; the next paint tries again.
    if (renderThread_ != nullptr) renderThread_->start();
}

void DisplayBase::renderFrame() {
    // The render reads the copy of the snapshot taken when it was handed the frame.
    SnapshotBinding binding(renderSnapshot_);
    renderInstrument();
    afterRender();
}

void DisplayBase::afterRender() {
    if (!frame_.doubleBuffering) clearOnScreenMark(renderElement_);
    fullRedraw_ = false;
}

void DisplayBase::paint() {
    // The previous frame's render ends before anything it uses changes.
    waitForRender();
    followLighting();
    const bool threaded = frame_.multiThreading;
    if (threaded) startRender();
    const bool rendering = threaded && renderThread_ != nullptr && renderThread_->running();

    if (rendering && frame_.doubleBuffering && renderThread_->takeFrameReady()) {
        SurfaceContext* c = currentContext();
        if (c != nullptr && c->screen != nullptr && c->backBuffer != nullptr) {
            c->screen->drawImage(c->backBuffer.get(), 0.0f, 0.0f);
        }
        clearOnScreenMark(element_);
    }
    if (fullRedraw_) layoutRegions();
    renderElement_ = element_;
    if (threaded) {
        if (rendering) {
            renderSnapshot_ = currentSnapshot();
            renderThread_->wake();
        }
        return;
    }
    renderInstrument();
    afterRender();
}

}  // namespace zentra
