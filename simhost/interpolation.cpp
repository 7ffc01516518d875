#include "simhost/interpolation.h"

#include <cmath>

namespace simhost {
namespace {

double wrap360(double a) {
    double w = std::fmod(a, 360.0);
    if (w < 0.0) w += 360.0;
    if (w >= 360.0) w -= 360.0;
    return w;
}

}  // namespace

double interpolate(const std::vector<Keyframe>& keys, double time, Blend blend) {
    if (keys.empty()) return 0.0;
    // The last key at or before the time.
    size_t i = 0;
    while (i + 1 < keys.size() && keys[i + 1].time <= time) ++i;
    const Keyframe& a = keys[i];
    double v = a.value;
    if (time > a.time && i + 1 < keys.size() && blend != Blend::Step) {
        const Keyframe& b = keys[i + 1];
        const double f = (time - a.time) / (b.time - a.time);
        if (blend == Blend::Angle) {
            double d = wrap360(b.value - a.value);
            if (d > 180.0) d -= 360.0;
            v = a.value + d * f;
        } else {
            v = a.value + (b.value - a.value) * f;
        }
    } else if (time < a.time) {
        v = a.value;  // before the first key
    }
    return blend == Blend::Angle ? wrap360(v) : v;
}

}  // namespace simhost
