#pragma once
// Installed font families: found by name through fontconfig, metrics read
// from the font files, cairo faces made once per family and style and kept
// for the life of the process.
#include <cairo.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace platform::gfx::detail {

// Design units of one face.
struct FaceMetrics {
    uint16_t emHeight = 2048;
    uint16_t cellAscent = 1901;
    uint16_t cellDescent = 483;
    uint16_t lineSpacing = 2384;
    float underlinePosition = -130;  // below the baseline when negative
    float underlineThickness = 90;
    float strikeoutPosition = 530;  // top of the stroke, above the baseline
    float strikeoutSize = 100;
};

struct StyleFace {
    cairo_font_face_t* face = nullptr;  // owned, never released
    FaceMetrics metrics;
};

struct FamilyInfo {
    std::string requested;  // the name asked for ("sans-serif" for the generic family)
    std::string name;       // the family's own name
    bool generic = false;
    // Bold and italic bits pick the face; resolved on first use.
    const StyleFace& face(int style) const;

    mutable std::mutex mutex;
    mutable std::array<std::unique_ptr<StyleFace>, 4> faces;
};

// Null when no installed family has this name.
std::shared_ptr<const FamilyInfo> findFamily(const std::string& utf8Name);
std::shared_ptr<const FamilyInfo> genericSansSerifFamily();

}  // namespace platform::gfx::detail
