#include "simhost/resource_bitmaps.h"

#include "platform/win32/resources.h"

namespace simhost {

const BitmapImage* ResourceBitmaps::get(const void* moduleBase, int id) {
    auto key = std::make_pair(moduleBase, id);
    auto it = cache_.find(key);
    if (it == cache_.end()) {
        std::optional<BitmapImage> img;
        if (moduleBase && id != 0) {
            auto res = platform::win32::findResource(moduleBase, id, "BITMAP");
            if (res) img = decodeBitmap(res.data, res.size);
        }
        it = cache_.emplace(key, std::move(img)).first;
    }
    return it->second ? &*it->second : nullptr;
}

}  // namespace simhost
