#pragma once
// The standard gauge header routines: each hands the gauge's element list to
// the matching host element-list operation through the module's ImportTable.
#include "host/gauge_header.h"
#include "host/panels.h"

namespace host {

template <ImportTable* Imports>
struct StandardRoutines {
    static PanelsTable* panels() { return Imports->panels.table; }
    static void query(GaugeHeader* g) { panels()->elementListQuery(g->elementList); }
    static void install(GaugeHeader* g) { panels()->elementListInstall(g->elementList); }
    static void initialize(GaugeHeader* g) { panels()->elementListInitialize(g->elementList); }
    static void update(GaugeHeader* g) { panels()->elementListUpdate(g->elementList); }
    static void generate(GaugeHeader* g) { panels()->elementListGenerate(g->elementList); }
    static void draw(GaugeHeader* g) { panels()->elementListPlot(g->elementList); }
    static void kill(GaugeHeader* g) { panels()->elementListKill(g->elementList); }

    // A header with the standard routines filled in.
    static GaugeHeader header(const char* name, ElementHeader* const* elements, uint32_t widthMm,
                              const MouseRect* mouse, GaugeCallback callback) {
        GaugeHeader h;
        h.name = name;
        h.elementList = elements;
        h.query = &query;
        h.install = &install;
        h.initialize = &initialize;
        h.update = &update;
        h.generate = &generate;
        h.draw = &draw;
        h.kill = &kill;
        h.widthMm = widthMm;
        h.mouseRects = mouse;
        h.callback = callback;
        return h;
    }
};

}  // namespace host
