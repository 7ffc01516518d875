#include "simhost/gauge_instance.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "simhost/host_error.h"

namespace simhost {
namespace {

constexpr int kMaxDepth = 16;
constexpr size_t kMaxListLength = 4096;
constexpr int kMaxSurfaceSide = 8192;

template <typename T>
host::ElementHeader* copyAs(const host::ElementHeader* src,
                            std::vector<std::shared_ptr<void>>& owned) {
    // Every element record starts with its ElementHeader (standard layout).
    auto copy = std::make_shared<T>(*reinterpret_cast<const T*>(src));
    owned.push_back(copy);
    return &copy->header;
}

int scaled(int v, double s) { return static_cast<int>(std::lround(v * s)); }

}  // namespace

GaugeInstance::GaugeInstance(const host::GaugeHeader& proto, LoadedModule& module,
                             const GaugePlacement& placement, const std::string& panelFile,
                             size_t windowIndex, const std::string& windowSection,
                             ResourceBitmaps& bitmaps)
    : header_(proto),
      module_(&module),
      placement_(placement),
      panelFile_(panelFile),
      windowIndex_(windowIndex) {
    label_ = windowSection + "/" + placement.key + " " + placement.module + "!" + placement.gauge;
    header_.elementList = proto.elementList ? cloneList(proto.elementList, 0) : nullptr;
    header_.hostInstance = this;
    placeElements(bitmaps);
    header_.sizeX = width_;
    header_.sizeY = height_;
}

void GaugeInstance::fail(const std::string& problem) const {
    throw HostError(panelFile_, placement_.line,
                    "gauge " + placement_.module + "!" + placement_.gauge + ": " + problem);
}

host::ElementHeader* const* GaugeInstance::cloneList(host::ElementHeader* const* src, int depth) {
    if (depth > kMaxDepth) fail("element tree nested deeper than 16 levels");
    auto list = std::make_unique<std::vector<host::ElementHeader*>>();
    for (size_t i = 0; src[i]; ++i) {
        if (i >= kMaxListLength) fail("element list without its null end");
        list->push_back(clone(src[i], depth));
    }
    list->push_back(nullptr);
    lists_.push_back(std::move(list));
    return lists_.back()->data();
}

host::ElementHeader* GaugeInstance::clone(const host::ElementHeader* src, int depth) {
    host::ElementHeader* copy = nullptr;
    switch (src->type) {
        case host::ElementType::StaticImage:
            copy = copyAs<host::StaticImage>(src, owned_);
            break;
        case host::ElementType::Needle:
            copy = copyAs<host::Needle>(src, owned_);
            break;
        case host::ElementType::Sprite:
            copy = copyAs<host::Sprite>(src, owned_);
            break;
        case host::ElementType::Slider:
            copy = copyAs<host::Slider>(src, owned_);
            break;
        case host::ElementType::MovingImage:
            copy = copyAs<host::MovingImage>(src, owned_);
            break;
        case host::ElementType::Icon:
            copy = copyAs<host::Icon>(src, owned_);
            break;
        case host::ElementType::String:
            copy = copyAs<host::StringField>(src, owned_);
            break;
        default:
            fail("element of unknown type " + std::to_string(static_cast<int>(src->type)));
    }
    if (src->children) copy->children = cloneList(src->children, depth + 1);
    return copy;
}

void GaugeInstance::placeElements(ResourceBitmaps& bitmaps) {
    // Depth-first order: parents are drawn before their children.
    std::vector<host::ElementHeader*> order;
    auto walk = [&](auto&& self, host::ElementHeader* const* list) -> void {
        if (!list) return;
        for (size_t i = 0; list[i]; ++i) {
            order.push_back(list[i]);
            self(self, list[i]->children);
        }
    };
    walk(walk, header_.elementList);

    std::vector<std::unique_ptr<SurfaceSlot>> oldSurfaces = std::move(surfaces_);
    surfaces_.clear();
    elements_.clear();

    // Gauge units: the pixels of the background (first element's bitmap).
    const BitmapImage* background =
        order.empty() ? nullptr : bitmaps.get(module_->base, order[0]->resourceId);
    if (background) {
        unitsW_ = background->width;
        unitsH_ = background->height;
    } else if (placement_.w > 0 && placement_.h > 0) {
        unitsW_ = placement_.w;
        unitsH_ = placement_.h;
    } else {
        fail("no background bitmap to size it by: give its width and height");
    }
    if (placement_.w > 0) {
        width_ = placement_.w;
        height_ = placement_.h > 0 ? placement_.h
                                   : std::max(1, scaled(unitsH_, double(width_) / unitsW_));
    } else {
        width_ = unitsW_;
        height_ = unitsH_;
    }
    scaleX_ = double(width_) / unitsW_;
    scaleY_ = double(height_) / unitsH_;

    for (host::ElementHeader* e : order) {
        ElementState st;
        st.element = e;
        int ux = e->position.x, uy = e->position.y, uw = 0, uh = 0;
        if (e->type == host::ElementType::String) {
            auto* s = reinterpret_cast<host::StringField*>(e);
            ux = s->box.x, uy = s->box.y, uw = s->box.w, uh = s->box.h;
        } else {
            st.bitmap = bitmaps.get(module_->base, e->resourceId);
            if (st.bitmap) {
                uw = st.bitmap->width, uh = st.bitmap->height;
            } else {
                uw = std::max(1, unitsW_ - ux), uh = std::max(1, unitsH_ - uy);
            }
        }
        st.x = scaled(ux, scaleX_), st.y = scaled(uy, scaleY_);
        st.w = std::max(1, scaled(uw, scaleX_)), st.h = std::max(1, scaled(uh, scaleY_));
        if (e->type == host::ElementType::StaticImage) {
            auto* img = reinterpret_cast<host::StaticImage*>(e);
            img->imageWidth = st.w;
            img->imageHeight = st.h;
            img->hdc = nullptr;
            if (e->imageFlags & host::kImageCreateDibSection) {
                if (st.w > kMaxSurfaceSide || st.h > kMaxSurfaceSide) {
                    fail("drawing surface larger than 8192 pixels");
                }
                // A surface placed before keeps its record: the gauge knows it by it.
                std::unique_ptr<SurfaceSlot> slot;
                for (auto& old : oldSurfaces) {
                    if (old && old->image == img) slot = std::move(old);
                }
                if (!slot) slot = std::make_unique<SurfaceSlot>();
                slot->image = img;
                slot->taken.clear();
                host::Surface& s = slot->surface;
                s.width = st.w;
                s.height = st.h;
                if (e->imageFlags & host::kImageUseAlpha) {
                    s.format = host::PixelFormat::Argb32;
                    s.stride = st.w * 4;
                } else {
                    s.format = host::PixelFormat::Rgb24;
                    s.stride = (st.w * 3 + 3) & ~3;
                }
                slot->pixels.assign(static_cast<size_t>(s.stride) * st.h, 0);
                s.pixels = slot->pixels.data();
                img->hdc = &s;
                st.surface = slot.get();
                surfaces_.push_back(std::move(slot));
            }
        }
        elements_.push_back(st);
    }
}

void GaugeInstance::resize(int width, int height, ResourceBitmaps& bitmaps) {
    placement_.w = width;
    placement_.h = height;
    placeElements(bitmaps);
    header_.sizeX = width_;
    header_.sizeY = height_;
}

void GaugeInstance::takeSurfaces() {
    for (auto& slot : surfaces_) {
        uint32_t& flags = slot->image->header.imageFlags;
        if (flags & host::kImageOnScreen) continue;  // nothing new since the last take
        const host::Surface& s = slot->surface;
        slot->taken.resize(static_cast<size_t>(s.width) * s.height);
        for (int y = 0; y < s.height; ++y) {
            const uint8_t* row = s.pixels + static_cast<size_t>(y) * s.stride;
            uint32_t* out = slot->taken.data() + static_cast<size_t>(y) * s.width;
            if (s.format == host::PixelFormat::Argb32) {
                std::memcpy(out, row, static_cast<size_t>(s.width) * 4);
            } else {
                for (int x = 0; x < s.width; ++x) {
                    out[x] = 0xFF000000u | row[3 * x + 2] << 16 | row[3 * x + 1] << 8 | row[3 * x];
                }
            }
        }
        flags |= host::kImageOnScreen;
    }
}

}  // namespace simhost
