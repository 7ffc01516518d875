#include "simhost/snapshot_recorder.h"

#include <cstdio>

#include "simhost/event_log.h"
#include "simhost/panels_table.h"
#include "simhost/simulator.h"
#include "zentra/frame/host_access.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_fields.h"

namespace simhost {

SnapshotRecorder::SnapshotRecorder(std::string file) : file_(std::move(file)) {
    if (file_.empty()) return;
    table_ = makePanelsTable();
    ImportTable.panels.table = &table_;
    text_ = "time,frame," + zentra::snapshotCsvHeader() + "\n";
}

SnapshotRecorder::~SnapshotRecorder() {
    if (!file_.empty()) ImportTable.panels.table = nullptr;
}

void SnapshotRecorder::frame(const Simulator& sim, int64_t frame, bool captured) {
    if (file_.empty()) return;
    zentra::sampleFrame();
    if (!captured) return;
    char head[64];
    std::snprintf(head, sizeof head, "%.3f,%lld,", sim.timeOfFrame(frame),
                  static_cast<long long>(frame));
    text_ += head + zentra::snapshotCsvRow() + "\n";
}

void SnapshotRecorder::finish() {
    if (file_.empty()) return;
    writeFileAtomically(file_, text_);
}

}  // namespace simhost
