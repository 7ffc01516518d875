#pragma once
// One placed gauge: its own copy of the module's gauge header and element
// tree, so that every placement has its own surfaces, device contexts and
// image sizes; the surfaces the host allocates for static images that ask
// for a device context; and the values the host last got for its elements.
#include <memory>
#include <string>
#include <vector>

#include "host/gauge_header.h"
#include "simhost/module_loader.h"
#include "simhost/panel_file.h"
#include "simhost/resource_bitmaps.h"

namespace simhost {

// A surface behind an HDC: 32-bit premultiplied ARGB when the image asks for
// alpha (flag bit 13), else 24-bit RGB (bytes B, G, R), cleared to zero.
struct SurfaceSlot {
    host::StaticImage* image = nullptr;
    host::Surface surface;
    std::vector<uint8_t> pixels;
    // The picture the host last took from the surface (0xAARRGGBB,
    // premultiplied): taken whenever the gauge has cleared the on-screen mark.
    std::vector<uint32_t> taken;
};

// An element as the host sees it, in depth-first order of the tree.
struct ElementState {
    host::ElementHeader* element = nullptr;
    int x = 0, y = 0, w = 0, h = 0;       // placed, in gauge pixels
    const BitmapImage* bitmap = nullptr;  // its bitmap resource, if any
    SurfaceSlot* surface = nullptr;       // static images with a device context
    double values[3] = {0, 0, 0};         // last callback / variable values
    std::string text;                     // string fields
};

class GaugeInstance {
  public:
    // Throws HostError (naming the panel file and line) for a gauge whose
    // size cannot be known or whose element tree is malformed.
    GaugeInstance(const host::GaugeHeader& proto, LoadedModule& module,
                  const GaugePlacement& placement, const std::string& panelFile, size_t windowIndex,
                  const std::string& windowSection, ResourceBitmaps& bitmaps);
    GaugeInstance(const GaugeInstance&) = delete;
    GaugeInstance& operator=(const GaugeInstance&) = delete;

    host::GaugeHeader* header() { return &header_; }
    host::ElementHeader* const* elementList() const { return header_.elementList; }
    LoadedModule& module() { return *module_; }
    const GaugePlacement& placement() const { return placement_; }
    size_t windowIndex() const { return windowIndex_; }
    const std::string& label() const { return label_; }

    // Window position and size in pixels; gauge units (background pixels).
    int x() const { return placement_.x; }
    int y() const { return placement_.y; }
    int width() const { return width_; }
    int height() const { return height_; }
    int unitsWidth() const { return unitsW_; }
    int unitsHeight() const { return unitsH_; }
    double scaleX() const { return scaleX_; }
    double scaleY() const { return scaleY_; }

    std::vector<ElementState>& elements() { return elements_; }
    std::vector<std::unique_ptr<SurfaceSlot>>& surfaces() { return surfaces_; }

    // Takes the picture of every surface whose on-screen mark the gauge has
    // cleared, and sets the mark again.
    void takeSurfaces();

    // Places the gauge at a new size in window pixels: elements and
    // surfaces scaled anew; each surface keeps its record (the gauge's HDC)
    // with new pixels, cleared. Throws HostError like the constructor.
    void resize(int width, int height, ResourceBitmaps& bitmaps);

  private:
    host::ElementHeader* clone(const host::ElementHeader* src, int depth);
    host::ElementHeader* const* cloneList(host::ElementHeader* const* src, int depth);
    void placeElements(ResourceBitmaps& bitmaps);
    [[noreturn]] void fail(const std::string& problem) const;

    host::GaugeHeader header_;
    LoadedModule* module_;
    GaugePlacement placement_;
    std::string panelFile_;
    size_t windowIndex_;
    std::string label_;
    int width_ = 0, height_ = 0;
    int unitsW_ = 0, unitsH_ = 0;
    double scaleX_ = 1.0, scaleY_ = 1.0;
    std::vector<std::shared_ptr<void>> owned_;  // element copies
    std::vector<std::unique_ptr<std::vector<host::ElementHeader*>>> lists_;
    std::vector<ElementState> elements_;
    std::vector<std::unique_ptr<SurfaceSlot>> surfaces_;
};

}  // namespace simhost
