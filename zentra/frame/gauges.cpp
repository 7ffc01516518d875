#include "zentra/frame/gauges.h"

#include "host/gauge_routines.h"
#include "zentra/frame/dispatch.h"
#include "zentra/frame/host_access.h"
#include "zentra/frame/mouse.h"

namespace zentra {

namespace {

using Routines = host::StandardRoutines<&::ImportTable>;

host::StaticImage staticImage(int resourceId, uint32_t flags,
                              host::ElementHeader* const* children = nullptr) {
    host::StaticImage image;
    image.header.type = host::ElementType::StaticImage;
    image.header.resourceId = resourceId;
    image.header.imageFlags = flags;
    image.header.children = children;
    return image;
}

// A display gauge's elements: a black background whose one child is the
// surface the display draws on.
struct DisplayElements {
    explicit DisplayElements(uint32_t surfaceFlags)
        : surface(staticImage(kBackgroundBitmap, surfaceFlags)),
          background(staticImage(kBackgroundBitmap, kBackgroundFlags, surfaceList)) {}

    host::StaticImage surface;
    host::ElementHeader* const surfaceList[2] = {&surface.header, nullptr};
    host::StaticImage background;
    host::ElementHeader* const list[2] = {&background.header, nullptr};
};

host::StaticImage mainImage = staticImage(kMainGaugeBitmap, kBackgroundFlags);
host::ElementHeader* const mainElements[] = {&mainImage.header, nullptr};

DisplayElements debugElements(kDebugSurfaceFlags);
DisplayElements pfdElements(kSurfaceFlags);
DisplayElements ndElements(kSurfaceFlags);
DisplayElements eicasElements(kSurfaceFlags);

constexpr int kCursorHand = 5;
constexpr uint32_t kInstrumentMouseFlags =
    host::kMouseLeftSingle | host::kMouseWheelUp | host::kMouseWheelDown;

constexpr host::MouseRect parentArea() {
    return {host::MouseRectType::Parent, {0, 0, 100, 100}, 0, 0, 0, 0, nullptr};
}

constexpr host::MouseRect childArea(host::Box box, uint32_t flags, host::MouseFunction fn) {
    return {host::MouseRectType::Child, box, kCursorHand, 0, flags, 0, fn};
}

const host::MouseRect debugMouse[] = {
    parentArea(),
    childArea({0, 0, 5, 5}, host::kMouseLeftSingle, &debugCornerMouse),
    childArea({25, 25, 50, 50}, host::kMouseLeftSingle, &debugPopupMouse),
    {},
};
const host::MouseRect pfdMouseAreas[] = {
    parentArea(), childArea({25, 25, 50, 50}, kInstrumentMouseFlags, &pfdMouse), {}};
const host::MouseRect ndMouseAreas[] = {
    parentArea(), childArea({25, 25, 50, 50}, kInstrumentMouseFlags, &ndMouse), {}};
const host::MouseRect eicasMouseAreas[] = {
    parentArea(), childArea({25, 25, 50, 50}, kInstrumentMouseFlags, &eicasMouse), {}};

}  // namespace

host::GaugeHeader mainGaugeHeader =
    Routines::header("MainGauge", mainElements, 10, nullptr, &mainGaugeCallback);
host::GaugeHeader debugGaugeHeader =
    Routines::header("Debug", debugElements.list, 100, debugMouse, &debugCallback);
host::GaugeHeader pfdGaugeHeader =
    Routines::header("PFD", pfdElements.list, 100, pfdMouseAreas, &pfdCallback);
host::GaugeHeader ndGaugeHeader =
    Routines::header("ND", ndElements.list, 100, ndMouseAreas, &ndCallback);
host::GaugeHeader eicasGaugeHeader =
    Routines::header("EICAS", eicasElements.list, 100, eicasMouseAreas, &eicasCallback);

}  // namespace zentra
