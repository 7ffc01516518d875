#include "zentra/simdata/sim_snapshot.h"

namespace zentra {

namespace {

SimSnapshot gLive;
thread_local const SimSnapshot* tBound = nullptr;

}  // namespace

SimSnapshot& liveSnapshot() { return gLive; }

const SimSnapshot& currentSnapshot() { return tBound != nullptr ? *tBound : gLive; }

SnapshotBinding::SnapshotBinding(const SimSnapshot& copy) : previous_(tBound) { tBound = &copy; }

SnapshotBinding::~SnapshotBinding() { tBound = previous_; }

}  // namespace zentra
