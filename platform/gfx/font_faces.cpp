#include "platform/gfx/font_faces.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <map>

#include "platform/gfx/gfx_init.h"

namespace platform::gfx::detail {
namespace {

// Guards the family cache and every FreeType call (the library handle is
// not safe to share between threads).
std::mutex& libraryMutex() {
    static std::mutex m;
    return m;
}

FT_Library freetype() {
    static FT_Library lib = [] {
        FT_Library l = nullptr;
        if (FT_Init_FreeType(&l) != 0) l = nullptr;
        return l;
    }();
    return lib;
}

FcPattern* matchPattern(const std::string& family, int style) {
    ensureInitialised();
    // Matching is rare (once per family and style), so it is simply serialised.
    std::lock_guard lock(libraryMutex());
    FcPattern* pat = FcPatternCreate();
    if (pat == nullptr) return nullptr;
    FcPatternAddString(pat, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pat, FC_WEIGHT, (style & 1) ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pat, FC_SLANT, (style & 2) ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pat, FcMatchPattern);
    FcDefaultSubstitute(pat);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pat, &result);
    FcPatternDestroy(pat);
    return match;
}

bool hasFamily(FcPattern* match, const std::string& name) {
    FcChar8* s = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &s) == FcResultMatch; ++i)
        if (FcStrCmpIgnoreCase(s, reinterpret_cast<const FcChar8*>(name.c_str())) == 0) return true;
    return false;
}

std::string firstFamily(FcPattern* match) {
    FcChar8* s = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &s) == FcResultMatch)
        return reinterpret_cast<const char*>(s);
    return {};
}

FaceMetrics readMetrics(FcPattern* match) {
    FaceMetrics m;
    FcChar8* file = nullptr;
    int index = 0;
    if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch) return m;
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FT_Library lib = freetype();
    if (lib == nullptr) return m;
    FT_Face face = nullptr;
    if (FT_New_Face(lib, reinterpret_cast<const char*>(file), index, &face) != 0) return m;
    if (face->units_per_EM > 0) {
        m.emHeight = face->units_per_EM;
        m.cellAscent = uint16_t(std::max<int>(0, face->ascender));
        m.cellDescent = uint16_t(std::max<int>(0, -face->descender));
        if (face->underline_thickness > 0) {
            m.underlinePosition = face->underline_position;
            m.underlineThickness = face->underline_thickness;
        }
        m.strikeoutPosition = m.emHeight * 0.26f;
        m.strikeoutSize = m.underlineThickness;
        auto* os2 = static_cast<TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
        if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent > 0) {
            // The cell is the Windows ascent and descent: what the instruments
            // were laid out against.
            m.cellAscent = os2->usWinAscent;
            m.cellDescent = os2->usWinDescent;
            if (os2->yStrikeoutSize > 0) {
                m.strikeoutPosition = os2->yStrikeoutPosition;
                m.strikeoutSize = os2->yStrikeoutSize;
            }
        }
        m.lineSpacing = uint16_t(std::min<int>(65535, m.cellAscent + m.cellDescent));
    }
    FT_Done_Face(face);
    return m;
}

std::unique_ptr<StyleFace> makeFace(const FamilyInfo& info, int style) {
    auto sf = std::make_unique<StyleFace>();
    FcPattern* match = matchPattern(info.generic ? info.requested : info.name, style);
    if (match != nullptr) {
        {
            std::lock_guard lock(libraryMutex());
            sf->metrics = readMetrics(match);
        }
        CairoLock lock;
        sf->face = cairo_ft_font_face_create_for_pattern(match);
        FcPatternDestroy(match);
    }
    if (sf->face == nullptr || cairo_font_face_status(sf->face) != CAIRO_STATUS_SUCCESS) {
        // No usable font file: the toy sans face still draws something.
        CairoLock lock;
        sf->face = cairo_toy_font_face_create(
            "sans-serif", (style & 2) ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
            (style & 1) ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    }
    return sf;
}

}  // namespace

const StyleFace& FamilyInfo::face(int style) const {
    const int key = style & 3;
    std::lock_guard lock(mutex);
    if (!faces[key]) faces[key] = makeFace(*this, key);
    return *faces[key];
}

std::shared_ptr<const FamilyInfo> findFamily(const std::string& utf8Name) {
    if (utf8Name.empty()) return nullptr;
    // Kept for the life of the process, with the cairo faces the families hold.
    static auto& cache = *new std::map<std::string, std::shared_ptr<const FamilyInfo>>;
    std::string key = utf8Name;
    std::transform(key.begin(), key.end(), key.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    {
        std::lock_guard lock(libraryMutex());
        if (auto it = cache.find(key); it != cache.end()) return it->second;
    }
    std::shared_ptr<FamilyInfo> info;
    if (FcPattern* match = matchPattern(utf8Name, 0)) {
        if (hasFamily(match, utf8Name)) {
            info = std::make_shared<FamilyInfo>();
            info->requested = utf8Name;
            info->name = firstFamily(match);
            // Keep the system's spelling of the name asked for.
            FcChar8* v = nullptr;
            for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &v) == FcResultMatch; ++i)
                if (FcStrCmpIgnoreCase(v, reinterpret_cast<const FcChar8*>(utf8Name.c_str())) == 0)
                    info->name = reinterpret_cast<const char*>(v);
        }
        FcPatternDestroy(match);
    }
    std::lock_guard lock(libraryMutex());
    auto [it, inserted] = cache.emplace(key, info);
    return it->second;
}

std::shared_ptr<const FamilyInfo> genericSansSerifFamily() {
    static const std::shared_ptr<const FamilyInfo>& family =
        *new std::shared_ptr<const FamilyInfo>([] {
            auto info = std::make_shared<FamilyInfo>();
            info->requested = "sans-serif";
            info->generic = true;
            if (FcPattern* match = matchPattern("sans-serif", 0)) {
                info->name = firstFamily(match);
                FcPatternDestroy(match);
            }
            if (info->name.empty()) info->name = "sans-serif";
            return std::shared_ptr<const FamilyInfo>(std::move(info));
        }());
    return family;
}

}  // namespace platform::gfx::detail
