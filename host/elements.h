#pragma once
// Element records of a gauge's element list. The host clones the list for
// every placed gauge instance, so each instance has its own surfaces.
#include <cstdint>

#include "host/module_var.h"
#include "host/surface.h"

namespace host {

struct Point {
    int32_t x = 0;
    int32_t y = 0;
};

struct Box {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};

enum class ElementType : int32_t {
    StaticImage = 0,
    Needle = 1,
    Sprite = 2,
    Slider = 3,
    MovingImage = 4,
    Icon = 5,
    String = 6,
};

// Image flag bits.
enum ImageFlag : uint32_t {
    kImageUseTransparency = 1u << 0,
    kImageUseErase = 1u << 1,
    kImageUseBright = 1u << 2,
    kImageCreateDibSection = 1u << 5,  // host provides a device context
    kImageUseAlpha = 1u << 13,
    kImageHidden = 1u << 30,  // the host does not draw the element
    kImageOnScreen = 1u << 31,  // host's mark; the gauge clears it after drawing
};

struct ElementHeader;

// Value callback of an element: gets the element's variable, returns the
// value the host shows.
using ElementCallback = double (*)(ElementHeader* element, const ModuleVar* var);

struct ElementHeader {
    ElementType type = ElementType::StaticImage;
    int32_t resourceId = 0;  // bitmap resource of the element's module
    Point position{};        // top-left in the parent gauge, in gauge pixels
    uint32_t imageFlags = 0;
    ElementHeader* const* children = nullptr;  // null-terminated, may be null
};

struct StaticImage {
    ElementHeader header{};
    HDC hdc = nullptr;           // set by the host when kImageCreateDibSection
    int32_t imageWidth = 0;      // pixel size of the image as placed now
    int32_t imageHeight = 0;
};

struct NeedlePoint {
    Point pt{};          // point on the gauge the needle points at
    double value = 0.0;  // variable value shown there
};

struct Needle {
    ElementHeader header{};
    ModuleVar source{};
    ElementCallback callback = nullptr;
    Point pivot{};               // pivot inside the needle bitmap
    const NeedlePoint* table = nullptr;
    int32_t tableCount = 0;
    double maxDegreesPerTick = 0.0;  // turn limit; 0 = none
};

struct Sprite {
    ElementHeader header{};
    Point texture{};  // texture centre
    ModuleVar sourceX{}, sourceY{}, sourceAngle{};
    ElementCallback callbackX = nullptr, callbackY = nullptr, callbackAngle = nullptr;
    double scaleX = 1.0, scaleY = 1.0, scaleAngle = 1.0;
};

struct Slider {
    ElementHeader header{};
    ModuleVar sourceX{}, sourceY{};
    ElementCallback callbackX = nullptr, callbackY = nullptr;
    double scaleX = 0.0, scaleY = 0.0;  // pixels per unit
};

struct MovingImage {
    ElementHeader header{};
    int32_t maskResourceId = 0;
    ModuleVar sourceX{}, sourceY{};
    ElementCallback callbackX = nullptr, callbackY = nullptr;
    double minX = 0.0, maxX = 0.0, minY = 0.0, maxY = 0.0;
};

struct Icon {
    ElementHeader header{};
    ModuleVar source{};
    ElementCallback callback = nullptr;
    int32_t pictureCount = 1;  // consecutive resources from resourceId
    int32_t scale = 1;
    int32_t offset = 0;  // picture = value * scale + offset
};

using StringCallback = const char* (*)(ElementHeader* element);

struct StringField {
    ElementHeader header{};
    Box box{};               // position and size on the gauge
    int32_t charCount = 0;
    const char* fontName = nullptr;
    int32_t fontWeight = 400;
    uint8_t charSet = 0;
    uint32_t foreColor = 0;  // 0x00BBGGRR
    uint32_t backColor = 0;
    uint32_t highlightColor = 0;
    ModuleVar source{};
    StringCallback callback = nullptr;
    ModuleVar source2{};  // a second variable the host refreshes before the callback
};

}  // namespace host
