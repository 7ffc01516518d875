#include "simhost/frame_loop.h"

namespace simhost {

void FrameLoop::service(GaugeInstance& g, int32_t id) {
    host::GaugeHeader* h = g.header();
    if (!h->callback) return;
    CurrentGauge scope(sim_, &g);
    h->callback(h, id, 0);
}

void FrameLoop::routine(GaugeInstance& g, host::GaugeRoutine r) {
    if (!r) return;
    CurrentGauge scope(sim_, &g);
    r(g.header());
}

void FrameLoop::start() {
    auto& gauges = sim_.gauges();
    for (auto& g : gauges) service(*g, host::kConnectToWindow);
    started_ = true;
    for (auto& g : gauges) {
        service(*g, host::kPreQuery);
        routine(*g, g->header()->query);
        service(*g, host::kPostQuery);
    }
    for (auto& g : gauges) {
        service(*g, host::kPreInstall);
        routine(*g, g->header()->install);
        service(*g, host::kPostInstall);
    }
    for (auto& g : gauges) {
        service(*g, host::kPreInitialize);
        routine(*g, g->header()->initialize);
        service(*g, host::kPostInitialize);
    }
    for (PanelWindow& w : sim_.windows()) {
        if (w.layout.isVc || !w.shown) continue;
        for (GaugeInstance* g : w.gauges) service(*g, host::kPanelOpen);
    }
}

void FrameLoop::panelEvents() {
    for (auto [window, opened] : sim_.takePanelEvents()) {
        for (GaugeInstance* g : sim_.windows()[window].gauges) {
            service(*g, opened ? host::kPanelOpen : host::kPanelClose);
        }
    }
}

void FrameLoop::step(int64_t frame) {
    sim_.advance(frame);
    panelEvents();
    auto& gauges = sim_.gauges();
    for (auto& g : gauges) {
        service(*g, host::kPreUpdate);
        routine(*g, g->header()->update);
        service(*g, host::kPostUpdate);
    }
    for (auto& g : gauges) {
        if (!sim_.windows()[g->windowIndex()].shown) continue;
        service(*g, host::kPreDraw);
        // A picture drawn by a render thread is complete before it is taken.
        if (auto wait = g->module().waitForRenders) wait();
        routine(*g, g->header()->draw);
        service(*g, host::kPostDraw);
    }
}

void FrameLoop::finish() {
    if (!started_) return;
    auto& gauges = sim_.gauges();
    for (auto& g : gauges) {
        service(*g, host::kPreKill);
        routine(*g, g->header()->kill);
        service(*g, host::kPostKill);
    }
    for (auto it = gauges.rbegin(); it != gauges.rend(); ++it) service(**it, host::kDisconnect);
    started_ = false;
}

}  // namespace simhost
