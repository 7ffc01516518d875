#pragma once
// Keyframes of a scenario channel and their value at a simulation time.
#include <vector>

#include "simhost/token_table.h"

namespace simhost {

struct Keyframe {
    double time = 0.0;
    double value = 0.0;
};

// Before the first key the first value, after the last the last value.
// Linear blends between keys; Angle blends the short way round and gives
// 0 <= value < 360; Step holds each key's value until the next key.
// Keys share a time: the later one wins from that time on.
double interpolate(const std::vector<Keyframe>& keys, double time, Blend blend);

}  // namespace simhost
