#pragma once
// The modules' bitmap resources, decoded once and kept for the run.
#include <map>
#include <optional>
#include <utility>

#include "simhost/bitmap_image.h"

namespace simhost {

class ResourceBitmaps {
  public:
    // The bitmap of that id in the module (by its load base), or null when
    // the module has none or it does not decode.
    const BitmapImage* get(const void* moduleBase, int id);

  private:
    std::map<std::pair<const void*, int>, std::optional<BitmapImage>> cache_;
};

}  // namespace simhost
