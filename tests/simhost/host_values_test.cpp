#include <gtest/gtest.h>

#include "simhost/aircraft_vars.h"
#include "simhost/calculator.h"
#include "simhost/named_variables.h"

namespace simhost {
namespace {

TEST(Calculator, ParsesOneVariableReference) {
    auto a = parseCalculatorRef("(A:GENERAL ENG1 THROTTLE LEVER POSITION, percent)");
    ASSERT_TRUE(a);
    EXPECT_EQ(a->kind, 'A');
    EXPECT_EQ(a->name, "GENERAL ENG1 THROTTLE LEVER POSITION");
    EXPECT_EQ(a->units, "percent");
    auto p = parseCalculatorRef(" ( p:ACTIVE VIEW MODE , number ) ");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->kind, 'P');
    EXPECT_EQ(p->name, "ACTIVE VIEW MODE");
    auto idx = parseCalculatorRef("(A:EXIT OPEN:1, number)");
    ASSERT_TRUE(idx);
    EXPECT_EQ(idx->name, "EXIT OPEN");
    EXPECT_EQ(idx->index, 1);
    for (const char* bad : {"", "A:X, number", "(X:NAME, number)", "(A:NAME)", "(A:, number)",
                            "(A:NAME:x, number)", "(A:NAME, )", "1 2 +"}) {
        EXPECT_FALSE(parseCalculatorRef(bad)) << bad;
    }
}

TEST(Units, ConvertWithinAKindOnly) {
    EXPECT_EQ(unitsEnum("Pound"), unitsEnum("pounds"));
    EXPECT_EQ(unitsEnum("furlong"), -1);
    EXPECT_NEAR(convertUnits(180.0, "degree", unitsEnum("radians")), 3.141592653589793, 1e-12);
    EXPECT_NEAR(convertUnits(100.0, "knot", unitsEnum("meters per second")), 51.4444, 1e-4);
    EXPECT_NEAR(convertUnits(50.0, "percent", unitsEnum("percent over 100")), 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(convertUnits(42.0, "knot", unitsEnum("degree")), 42.0);
    EXPECT_DOUBLE_EQ(convertUnits(42.0, "knot", -1), 42.0);
}

TEST(AircraftVars, TheModulesReadsAreServed) {
    EXPECT_TRUE(findAircraftVar(0x18, 0));
    EXPECT_TRUE(findAircraftVar(0x64, 0));
    EXPECT_TRUE(findAircraftVar(0x66, 0));
    EXPECT_TRUE(findAircraftVar(0xac, 1));
    for (const char* name :
         {"YOKE X POSITION", "YOKE Y POSITION", "GENERAL ENG1 THROTTLE LEVER POSITION"}) {
        EXPECT_TRUE(findAircraftVarByName(name, 0)) << name;
    }
}

TEST(NamedVariables, IdsStartAtOneAndUnknownNamesAreNegative) {
    NamedVariables v;
    EXPECT_EQ(v.find("Radar Mode"), -1);
    const int id = v.create("Radar Mode");
    EXPECT_EQ(id, 1);
    EXPECT_EQ(v.create("Radar Mode"), id);
    EXPECT_EQ(v.find("radar mode"), -1);
    EXPECT_TRUE(v.set(id, 3.0));
    EXPECT_DOUBLE_EQ(v.get(id), 3.0);
    EXPECT_FALSE(v.set(7, 1.0));
    EXPECT_DOUBLE_EQ(v.get(0), 0.0);
    EXPECT_DOUBLE_EQ(v.get(-1), 0.0);
}

}  // namespace
}  // namespace simhost
