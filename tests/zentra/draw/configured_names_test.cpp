// The toolkit's enumerations take their values from the positions of the
// configuration's names: the two must not drift apart.
#include <gtest/gtest.h>

#include <string>

#include "zentra/config/named_values.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/symbol_shape.h"
#include "zentra/draw/text_anchor.h"

namespace zentra {
namespace {

TEST(ConfiguredNames, ShapesAndQualitiesMatchTheirNameTables) {
    const struct {
        SymbolShape shape;
        const char* name;
    } shapes[] = {{SymbolShape::None, "NONE"},
                  {SymbolShape::Line, "LINE"},
                  {SymbolShape::Triangle, "TRIANGLE"},
                  {SymbolShape::LineTriangle, "LINE_TRIANGLE"},
                  {SymbolShape::Square, "SQUARE"},
                  {SymbolShape::Circle, "CIRCLE"},
                  {SymbolShape::Diamond, "DIAMOND"},
                  {SymbolShape::LongDiamond, "LONG_DIAMOND"},
                  {SymbolShape::Star, "STAR"},
                  {SymbolShape::ApShapeSmall, "AP_SHAPE_SMALL"},
                  {SymbolShape::ApShapeBig, "AP_SHAPE_BIG"},
                  {SymbolShape::ApShapeSmallMirrored, "AP_SHAPE_SMALL_MIRRORED"},
                  {SymbolShape::ApShapeBigMirrored, "AP_SHAPE_BIG_MIRRORED"},
                  {SymbolShape::DoubleTriangle, "DOUBLE_TRIANGLE"},
                  {SymbolShape::DoubleTriangleMirrored, "DOUBLE_TRIANGLE_MIRRORED"},
                  {SymbolShape::Rectangle, "RECTANGLE"}};
    ASSERT_EQ(std::size(shapes), std::size(kSymbolShapeNames));
    for (const auto& s : shapes) EXPECT_EQ(std::string(kSymbolShapeNames[int(s.shape)]), s.name);

    const struct {
        ArrowShape shape;
        const char* name;
    } arrows[] = {{ArrowShape::None, "NONE"},     {ArrowShape::Thin, "THIN"},
                  {ArrowShape::Double, "DOUBLE"}, {ArrowShape::Thick, "THICK"},
                  {ArrowShape::End, "END"},       {ArrowShape::Standard, "STANDARD"}};
    ASSERT_EQ(std::size(arrows), std::size(kArrowShapeNames));
    for (const auto& a : arrows) EXPECT_EQ(std::string(kArrowShapeNames[int(a.shape)]), a.name);

    EXPECT_EQ(std::string(kFontQualityNames[int(FontQuality::Default)]), "DEFAULT");
    EXPECT_EQ(std::string(kFontQualityNames[int(FontQuality::SingleBit)]), "SINGLE_BIT");
    EXPECT_EQ(std::string(kFontQualityNames[int(FontQuality::Antialiased)]), "ANTIALIASED");
    EXPECT_EQ(std::string(kFontQualityNames[int(FontQuality::ClearType)]), "CLEAR_TYPE");
}

TEST(ConfiguredNames, AlignmentNamesAreTextAnchors) {
    const struct {
        const char* name;
        int32_t anchor;
    } cases[] = {{"LEFT", TextAnchor::TOP_LEFT},
                 {"TOP_LEFT", TextAnchor::TOP_LEFT},
                 {"BOTTOM_LEFT", TextAnchor::BOTTOM_LEFT},
                 {"BASE_LEFT", TextAnchor::BASE_LEFT},
                 {"CENTER_LEFT", TextAnchor::CENTER_LEFT},
                 {"RIGHT", TextAnchor::TOP_RIGHT},
                 {"TOP_RIGHT", TextAnchor::TOP_RIGHT},
                 {"BOTTOM_RIGHT", TextAnchor::BOTTOM_RIGHT},
                 {"BASE_RIGHT", TextAnchor::BASE_RIGHT},
                 {"CENTER_RIGHT", TextAnchor::CENTER_RIGHT},
                 {"CENTER", TextAnchor::TOP_CENTER},
                 {"TOP_CENTER", TextAnchor::TOP_CENTER},
                 {"BOTTOM_CENTER", TextAnchor::BOTTOM_CENTER},
                 {"BASE_CENTER", TextAnchor::BASE_CENTER},
                 {"CENTER_CENTER", TextAnchor::CENTER_CENTER}};
    for (const auto& c : cases) {
        bool found = false;
        for (const auto& a : kAlignmentNames) {
            if (std::string(a.name) != c.name) continue;
            EXPECT_EQ(a.value, c.anchor) << c.name;
            found = true;
        }
        EXPECT_TRUE(found) << c.name;
    }
}

}  // namespace
}  // namespace zentra
