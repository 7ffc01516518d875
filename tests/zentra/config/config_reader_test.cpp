#include "zentra/config/config_reader.h"

#include <gtest/gtest.h>

#include "config_file.h"
#include "zentra/config/named_values.h"

using namespace zentra;

namespace {

const std::string kText = std::string(
                              "[T]\n"
                              "Int=42\n"
                              "IntJunk= 12xyz\n"
                              "Word=abc\n"
                              "Real=1.5\n"
                              "NaN=nan\n"
                              "Huge=1e999\n"
                              "Undefined=<UNDEFINDED>\n"
                              "Empty=\n"
                              "Text=A_B__C\n"
                              "Wide=10_\xB0\n"
                              "Long=") +
                          std::string(150, 'x') +
                          "\n"
                          "Amber=aMbEr\n"
                          "Partial=255,128\n"
                          "Wrapped=300,0,0\n"
                          "Blue=0,0,255\n"
                          "Commas=,,0,,255\n"
                          "Clear=TRANSPARENT\n"
                          "Pink=pink\n"
                          "Center=CENTER\n"
                          "TopCenter=top_center\n"
                          "Left=LEFT\n"
                          "CenterCenter=CENTER_CENTER\n"
                          "BaseCenter=BASE_CENTER\n"
                          "Middle=MIDDLE\n"
                          "Scale=SCALE\n"
                          "Line=line\n"
                          "Long_Diamond=LONG_DIAMOND\n"
                          "List=10-20-40\n"
                          "ListBad=5-x-7\n"
                          "P12=1,2\n"
                          "P5=5\n"
                          "PComma=,7\n"
                          "Box=100,200,300,400\n"
                          "Box1=1\n"
                          "On=on\n"
                          "Enabled=enabled\n"
                          "Two=2\n";

class Readers : public ::testing::Test {
  protected:
    config_test::ConfigFile file{kText};
    const char* f = file.path();
};

TEST_F(Readers, Numbers) {
    EXPECT_EQ(readInt(f, "T", "Int", 7), 42);
    EXPECT_EQ(readInt(f, "t", "INT", 7), 42);  // names ignore case
    EXPECT_EQ(readInt(f, "T", "Missing", 7), 7);
    EXPECT_EQ(readInt(f, "Nowhere", "Int", 7), 7);
    EXPECT_EQ(readInt(f, "T", "IntJunk", 7), 12);  // the number ends where its digits end
    EXPECT_EQ(readInt(f, "T", "Word", 7), 0);      // no number reads 0, not the default
    EXPECT_EQ(readInt(f, "T", "Empty", 7), 0);
    EXPECT_EQ(readInt(f, "T", "Undefined", 7), 7);  // the missing marker counts as missing
    EXPECT_EQ(readInt(f, "T", "Real", 7), 1);
    EXPECT_FLOAT_EQ(readFloat(f, "T", "Real", 9.f), 1.5f);
    EXPECT_FLOAT_EQ(readFloat(f, "T", "Missing", 9.f), 9.f);
    EXPECT_DOUBLE_EQ(readDouble(f, "T", "Real", 9.0), 1.5);
    EXPECT_DOUBLE_EQ(readDouble(f, "T", "Int", 9.0), 42.0);
    // Non-finite numbers never reach the instruments.
    EXPECT_EQ(readFloat(f, "T", "NaN", 9.f), 0.f);
    EXPECT_EQ(readDouble(f, "T", "Huge", 9.0), 0.0);
    EXPECT_EQ(readInt(f, "T", "Int", 7), 42);
    EXPECT_EQ(readInt("/no/such/file.ini", "T", "Int", 7), 7);
}

TEST_F(Readers, BooleansAndCharacters) {
    struct Case {
        const char* key;
        int expected;
    };
    const std::string text =
        "[B]\nY=YES\nT=true\nO=1\nN=On\nNo=no\nF=FALSE\nZ=0\nOff=oFF\nE=enabled\nTwo=2\n";
    config_test::ConfigFile bools(text);
    const Case cases[] = {{"Y", 1}, {"T", 1},   {"O", 1},  {"N", 1},    {"No", 0},      {"F", 0},
                          {"Z", 0}, {"Off", 0}, {"E", -5}, {"Two", -5}, {"Missing", -5}};
    for (const Case& c : cases)
        EXPECT_EQ(readBool(bools.path(), "B", c.key, -5), c.expected) << c.key;

    EXPECT_EQ(readChar(f, "T", "Word", 'd'), 'a');
    EXPECT_EQ(readChar(f, "T", "Empty", 'd'), '\0');
    EXPECT_EQ(readChar(f, "T", "Missing", 'd'), 'd');
}

TEST_F(Readers, Texts) {
    EXPECT_STREQ(readText(f, "T", "Text", "d"), "A B  C");
    const char* dflt = "keep_me";
    EXPECT_EQ(readText(f, "T", "Missing", dflt), dflt);  // the caller's text itself
    EXPECT_EQ(std::string(readText(f, "T", "Long", "")), std::string(98, 'x'));
    EXPECT_EQ(std::wstring(readWideText(f, "T", "Wide", L"d")), L"10 \u00B0");
    const wchar_t* wdflt = L"w";
    EXPECT_EQ(readWideText(f, "T", "Missing", wdflt), wdflt);
}

TEST(ParseColor, NamesNumbersAndTransparent) {
    struct Case {
        const char* text;
        uint32_t expected;
        int transparent;
    };
    const Case cases[] = {
        {"AMBER", 0x0096FF, 0},   {"aMbEr", 0x0096FF, 0},
        {"GREY", 0x646464, 0},    {"red", 0x0000FF, 0},
        {"255,128", 0x0080FF, 0}, {"300,0,0", 0x00002C, 0},
        {"0,0,255", 0xFF0000, 0}, {",,0,,255", 0x00FF00, 0},
        {"TRANSPARENT", 0, 1},    {"transparent", 0, 1},
        {"pink", 0, 0},           {"", 0, 0},
        {"-1,0,0", 0x0000FF, 0},  {"1,2,3,4", 0x030201, 0},
    };
    for (const Case& c : cases) {
        int flag = 0;
        EXPECT_EQ(parseColor(c.text, &flag), c.expected) << c.text;
        EXPECT_EQ(flag, c.transparent) << c.text;
    }
    EXPECT_EQ(parseColor("TRANSPARENT"), 0u);  // no flag to set
    EXPECT_EQ(parseColor(nullptr), 0u);
}

TEST_F(Readers, Colours) {
    int flag = 7;
    EXPECT_EQ(readColor(f, "T", "Amber", "RED", &flag), 0x0096FFu);
    EXPECT_EQ(flag, 0);  // cleared first
    EXPECT_EQ(readColor(f, "T", "Clear", "RED", &flag), 0u);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(readColor(f, "T", "Missing", "RED", &flag), 0x0000FFu);  // the default text, parsed
    EXPECT_EQ(flag, 0);
    EXPECT_EQ(readColor(f, "T", "Missing", "TRANSPARENT", &flag), 0u);
    EXPECT_EQ(flag, 1);
    EXPECT_EQ(readColor(f, "T", "Missing", nullptr, nullptr), 0u);
    EXPECT_EQ(readColor(f, "T", "Wrapped", "RED"), 0x00002Cu);

    EXPECT_EQ(readColorValue(f, "T", "Missing", 0x123456), 0x123456u);
    EXPECT_EQ(readColorValue(f, "T", "Clear", 0x123456), 0u);
    EXPECT_EQ(readColorValue(f, "T", "Partial", 0x123456), 0x0080FFu);
    EXPECT_EQ(readColorValue(f, "T", "Pink", 0x123456), 0u);
}

TEST_F(Readers, AlignmentsAndNames) {
    EXPECT_EQ(readAlignment(f, "T", "Center", 1), 10);
    EXPECT_EQ(readAlignment(f, "T", "TopCenter", 1), 10);
    EXPECT_EQ(readAlignment(f, "T", "Left", 1), 9);
    EXPECT_EQ(readAlignment(f, "T", "CenterCenter", 1), 66);
    EXPECT_EQ(readAlignment(f, "T", "BaseCenter", 1), 18);
    EXPECT_EQ(readAlignment(f, "T", "Middle", 77), 77);
    EXPECT_EQ(readAlignment(f, "T", "Missing", 77), 77);

    EXPECT_EQ(readNamed(f, "T", "Scale", 3, kLimitBandNames, 2), 2);  // beyond the count
    EXPECT_EQ(readNamed(f, "T", "Scale", 4, kLimitBandNames, 0), 3);
    EXPECT_EQ(readNamed(f, "T", "Line", 3, kLimitBandNames, 0), 1);
    EXPECT_EQ(readNamed(f, "T", "Long_Diamond", 7, kSymbolShapeNames, 5), 5);
    EXPECT_EQ(readNamed(f, "T", "Long_Diamond", 16, kSymbolShapeNames, 5), 7);
    EXPECT_EQ(readNamed(f, "T", "Missing", 3, kLimitBandNames, 2), 2);
    EXPECT_EQ(readNamed(f, "T", "Line", 0, kLimitBandNames, -1), -1);
    EXPECT_EQ(readNamed(f, "T", "Line", 3, nullptr, -1), -1);
}

TEST_F(Readers, NumberListsStayInsideTheCallersArray) {
    double values[4] = {9, 9, 9, 9};
    EXPECT_EQ(readNumberList(f, "T", "List", values, 4), 3);
    EXPECT_EQ(values[0], 10);
    EXPECT_EQ(values[1], 20);
    EXPECT_EQ(values[2], 40);
    EXPECT_EQ(values[3], 9);

    double two[3] = {9, 9, 9};  // capacity 2, one guard value behind
    EXPECT_EQ(readNumberList(f, "T", "List", two, 2), 2);
    EXPECT_EQ(two[1], 20);
    EXPECT_EQ(two[2], 9);

    EXPECT_EQ(readNumberList(f, "T", "ListBad", values, 4), 3);
    EXPECT_EQ(values[1], 0);  // not a number
    EXPECT_EQ(values[2], 7);

    EXPECT_EQ(readNumberList(f, "T", "Missing", values, 3), 0);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[2], 0);
    EXPECT_EQ(values[3], 9);  // only the capacity is cleared
    EXPECT_EQ(readNumberList(f, "T", "List", nullptr, 4), 0);
    EXPECT_EQ(readNumberList(f, "T", "Missing", values, -1), 0);
}

TEST_F(Readers, PointsKeepWhatTheTextDoesNotGive) {
    EXPECT_EQ(readPoint(f, "T", "P12", ""), (ConfigPoint{1, 2}));
    EXPECT_EQ(readPoint(f, "T", "P5", ""), (ConfigPoint{5, 2}));
    EXPECT_EQ(readPoint(f, "T", "PComma", ""), (ConfigPoint{7, 2}));  // empty parts dropped
    EXPECT_EQ(readPoint(f, "T", "Missing", "3,4"), (ConfigPoint{3, 4}));
    EXPECT_EQ(readPoint(f, "T", "Empty", "3,4"), (ConfigPoint{0, 0}));
    EXPECT_EQ(readPoint(f, "T", "Missing", nullptr), (ConfigPoint{0, 0}));
}

TEST_F(Readers, Boxes) {
    EXPECT_EQ(readBox(f, "T", "Box", ""), (ConfigBox{100, 200, 200, 200}));
    EXPECT_EQ(readBox(f, "T", "Box1", ""), (ConfigBox{1, 0, -1, 0}));
    EXPECT_EQ(readBox(f, "T", "Missing", "0,0,10,20"), (ConfigBox{0, 0, 10, 20}));
    EXPECT_EQ(readBox(f, "T", "Empty", "0,0,10,20"), (ConfigBox{0, 0, 0, 0}));
    EXPECT_EQ(readBox(f, "T", "Missing", nullptr), (ConfigBox{0, 0, 0, 0}));
}

TEST(NamedValues, TablesHaveTheirLengths) {
    EXPECT_EQ(countOf(kSymbolShapeNames), 16);
    EXPECT_EQ(nameTableLength(kSymbolShapeNames), 16);
    EXPECT_EQ(nameTableLength(kArrowShapeNames), 6);
    EXPECT_EQ(nameTableLength(nullptr), 0);
    EXPECT_EQ(countOf(kAlignmentNames), 15);
}

}  // namespace
