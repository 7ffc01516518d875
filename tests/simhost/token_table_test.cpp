#include "simhost/token_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <sstream>

#include "simhost/channel_list.h"
#include "simhost/sim_variables.h"

namespace simhost {
namespace {

host::VarValue encodeChannel(const char* channel, double natural, int token) {
    for (const TokenEntry* e : findChannel(channel)) {
        if (e->token == token) return encodeValue(*e, natural);
    }
    ADD_FAILURE() << "channel " << channel << " does not feed token " << token;
    return {};
}

// The modules' own conversions, written from their side of the border.
struct NumberCase {
    const char* channel;
    int token;
    double natural;
    std::function<double(double)> moduleReads;  // raw field -> value the module uses
};

TEST(TokenTable, ModulesDecodeTheNaturalValueBack) {
    const NumberCase cases[] = {
        {"vertical_speed", 65, 1500.0, [](double r) { return r * 0.768946875; }},
        {"vertical_speed", 65, 1500.0 / 60.0 * 60.0,
         [](double r) { return r * 0.01281578125 * 60; }},
        {"mach", 64, 0.82, [](double r) { return r * 4.8828125e-05; }},
        {"maximum_speed", 63, 350.0, [](double r) { return r * 0.0078125; }},
        {"bank", 80, 15.0, [](double r) { return r * -1.0; }},
        {"ground_speed", 551, 240.0, [](double r) { return r * 0.5926355; }},
        {"gps_ground_speed", 832, 240.0, [](double r) { return r * 1.9443185484; }},
        {"ground_elevation", 2, 1640.0, [](double r) { return r * 0.012815625; }},
        {"height_above_ground", 614, 328.08, [](double r) { return r * 3.2808; }},
        {"altitude", 73, 10000.0, [](double r) { return r * 3.2808; }},
        {"latitude", 71, 47.5, [](double r) { return r * 360 * 2.4995625765491038e-08; }},
        {"longitude", 72, -122.25, [](double r) { return r * 360 * 3.552713678800501e-15; }},
        {"total_air_temperature", 350, 15.0, [](double r) { return r * 256.0; }},
        {"slip_ball", 69, -0.5, [](double r) { return r * 0.007874015748031496; }},
        {"waypoint_distance", 835, 12.5, [](double r) { return r * 0.00054; }},
        {"waypoint_bearing", 836, 270.0, [](double r) { return r * 57.29577951308232; }},
        {"engine1_itt", 631, 282.40555555555557,
         [](double r) { return (r - 459.67 - 32) * 0.5555555555555556; }},
        {"engine2_egt", 577, 55.55555555555556,
         [](double r) { return (r - 459.67 - 32) * 0.5555555555555556; }},
        {"engine1_oil_quantity", 149, 80.0, [](double r) { return r * 0.006103515625; }},
        {"engine3_oil_pressure", 582, 60.0, [](double r) { return r * 0.00335693359375; }},
        {"engine1_hydraulic_quantity", 733, 90.0, [](double r) { return r * 100.0; }},
        {"engine4_hydraulic_pressure", 738, 3000.0,
         [](double r) { return r * 0.00047881254488867607; }},
        {"fuel_tank1_level", 291, 50.0, [](double r) { return r * 1.1920930376163766e-07 * 100; }},
        {"gear", 333, 1.0, [](double r) { return r / 16383.0; }},
        {"indicated_airspeed", 61, 250.0, [](double r) { return r; }},
    };
    for (const NumberCase& c : cases) {
        host::VarValue v = encodeChannel(c.channel, c.natural, c.token);
        EXPECT_NEAR(c.moduleReads(v.n), c.natural, 1e-9 * std::max(1.0, std::fabs(c.natural)))
            << c.channel;
    }
}

TEST(TokenTable, ItttForRankine1000AndGearDownField) {
    EXPECT_DOUBLE_EQ(encodeChannel("engine1_itt", 282.40555555555557, 631).n, 1000.0);
    EXPECT_DOUBLE_EQ(encodeChannel("gear", 1.0, 332).n, 16383.0);
    EXPECT_DOUBLE_EQ(encodeChannel("gear", 0.0, 334).n, 0.0);
}

TEST(TokenTable, FrequenciesAreBcdWords) {
    struct Case {
        const char* channel;
        int token;
        double mhz;
        int32_t word;
    } cases[] = {
        {"nav1_frequency", 24, 110.80, 0x1080},  {"nav2_frequency", 27, 110.50, 0x1050},
        {"com1_frequency", 23, 118.725, 0x1872}, {"com2_frequency", 870, 121.5, 0x2150},
        {"com1_frequency", 23, 136.975, 0x3697}, {"adf_frequency", 16, 1350.5, 0x0350},
        {"adf_frequency", 18, 1350.5, 0x0105},   {"adf_frequency", 16, 415.0, 0x0415},
        {"adf_frequency", 18, 415.0, 0x0000},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(encodeChannel(c.channel, c.mhz, c.token).d, c.word) << c.channel << " " << c.mhz;
    }
}

TEST(TokenTable, ServesEveryTokenTheModulesRead) {
    // Tokens read by the snapshot, the systems gauges, the radio altimeter and
    // the bitmap gauges.
    const int tokens[] = {60,  267, 61,  63,  64,  65,  74,  614, 2,   75,  76,  800, 350, 343, 344,
                          82,  78,  80,  81,  86,  69,  551, 552, 832, 71,  72,  73,  24,  27,  18,
                          16,  47,  56,  45,  54,  31,  35,  49,  58,  550, 59,  19,  20,  39,  849,
                          850, 851, 852, 853, 354, 848, 839, 835, 836, 6,   7,   103, 104, 105, 106,
                          107, 108, 109, 111, 112, 114, 115, 116, 117, 118, 123, 792, 793, 794, 615,
                          323, 324, 326, 327, 328, 333, 334, 332, 14,  369, 868, 869, 866, 67,  68,
                          279, 288, 378, 381, 824, 364, 306, 23,  870, 791, 138};
    for (int t : tokens) EXPECT_NE(findToken(t), nullptr) << "token " << t;
    for (int i = 0; i < 4; ++i) {
        for (int t :
             {624 + 19 * i, 625 + 19 * i, 630 + 19 * i, 631 + 19 * i, 638 + 19 * i, 642 + 19 * i,
              140 + 35 * i, 149 + 35 * i, 567 + 10 * i, 561 + 10 * i, 562 + 10 * i, 565 + 10 * i,
              732 + 2 * i, 733 + 2 * i, 899 + i, 887 + i, 761 + 2 * i}) {
            EXPECT_NE(findToken(t), nullptr) << "engine " << i << " token " << t;
        }
    }
    for (int t : {291, 292, 293, 294, 295, 296, 297, 298, 299, 300, 301, 302, 289, 290, 383, 384}) {
        EXPECT_NE(findToken(t), nullptr) << "fuel token " << t;
    }
}

TEST(SimVariables, LookupFillsTheFieldByTheTokensTypeAndKeepsThePreviousValue) {
    SimVariables vars;
    vars.setNatural(*findChannel("indicated_airspeed")[0], 120.0);
    vars.setNatural(*findChannel("nav1_frequency")[0], 110.8);
    vars.setText(47, "SEA");

    host::ModuleVar ias;
    ias.id = 61;
    vars.read(ias);
    EXPECT_EQ(ias.varType, host::VarType::Number);
    EXPECT_DOUBLE_EQ(ias.value.n, 120.0);
    vars.setNatural(*findChannel("indicated_airspeed")[0], 130.0);
    vars.read(ias);
    EXPECT_DOUBLE_EQ(ias.prevValue.n, 120.0);
    EXPECT_DOUBLE_EQ(ias.value.n, 130.0);

    host::ModuleVar nav;
    nav.id = 24;
    vars.read(nav);
    EXPECT_EQ(nav.varType, host::VarType::Integer);
    EXPECT_EQ(nav.value.d, 0x1080);

    host::ModuleVar ident;
    ident.id = 47;
    vars.read(ident);
    EXPECT_STREQ(ident.value.s, "SEA");

    host::ModuleVar unknown;
    unknown.id = 4999;
    vars.read(unknown);
    EXPECT_EQ(unknown.value.raw, 0);
}

TEST(SimVariables, StartsAtInitialValues) {
    SimVariables vars;
    EXPECT_DOUBLE_EQ(vars.value(76).n, 29.92);
    EXPECT_DOUBLE_EQ(vars.value(60).n, 1.0);
    EXPECT_DOUBLE_EQ(vars.value(kSimTimeToken).n, 0.0);
    EXPECT_STREQ(vars.value(47).s, "");
}

}  // namespace
}  // namespace simhost

namespace simhost {
namespace {

TEST(ChannelList, TheScenarioDocumentShowsTheCurrentTable) {
    std::ifstream in(std::string(TEST_SOURCE_DIR) + "/docs/scenario.md");
    std::stringstream doc;
    doc << in.rdbuf();
    EXPECT_NE(doc.str().find(channelListText()), std::string::npos)
        << "docs/scenario.md: paste the output of `simhost channels` into its channel list";
}

}  // namespace
}  // namespace simhost
