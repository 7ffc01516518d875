// Host values in, snapshot getters out: every conversion of the sampler.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "tests/zentra/simdata/fake_host.h"
#include "zentra/simdata/host_reader.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/sim_tokens.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {
namespace {

using testing::FakeHost;

struct NumberCase {
    const char* name;
    int32_t token;
    double hostValue;
    std::function<double()> getter;
    double expected;
};

class SnapshotConversions : public ::testing::Test {
  protected:
    void SetUp() override { liveSnapshot() = SimSnapshot{}; }
    FakeHost host;
};

TEST_F(SnapshotConversions, ModuleVariablesConvertToInstrumentUnits) {
    const NumberCase cases[] = {
        {"SimTime", 604, 12.5, [] { return SimTime(); }, 12.5},
        {"OnGround", 60, 1.0, [] { return OnGround(); }, 1},
        {"EngineCount", 267, 2.0, [] { return EngineCount(); }, 2},
        {"IndicatedAirspeed", 61, 250.25, [] { return IndicatedAirspeed(); }, 250.25},
        {"Mach", 64, 16384.0, [] { return Mach(); }, 0.8},
        {"MaximumSpeed", 63, 44800.0, [] { return MaximumSpeed(); }, 350.0},
        {"MinimumSpeed", 0, 0.0, [] { return MinimumSpeed(); }, 0.0},
        {"VerticalSpeed", 65, 1000.0, [] { return VerticalSpeed(); }, 768.946875},
        {"IndicatedAltitude", 74, 12345.75, [] { return IndicatedAltitude(); }, 12345.75},
        {"IndicatedAltitudeInt", 74, -12.75, [] { return IndicatedAltitudeInt(); }, -12},
        {"GroundElevation", 2, 1000.0, [] { return GroundElevation(); }, 12.815625},
        {"BaroSettingMb", 75, 1013.25, [] { return BaroSettingMb(); }, 1013.25},
        {"BaroSettingInHg", 76, 29.92, [] { return BaroSettingInHg(); }, 29.92},
        {"StaticAirTemperature half up", 800, -12.5, [] { return StaticAirTemperature(); }, -12},
        {"StaticAirTemperature", 800, 14.5, [] { return StaticAirTemperature(); }, 15},
        {"TotalAirTemperature", 350, 0.1, [] { return TotalAirTemperature(); }, 26},
        {"WindSpeed", 343, 15.9, [] { return WindSpeed(); }, 15},
        {"PitchAngle", 78, 5.5, [] { return PitchAngle(); }, 5.5},
        {"BankAngle", 80, 10.0, [] { return BankAngle(); }, -10.0},
        {"Heading", 81, 123.0, [] { return Heading(); }, 123.0},
        {"TrueHeading", 86, 90.0, [] { return TrueHeading(); }, 90.0},
        {"TrueHeadingRad", 86, 90.0, [] { return TrueHeadingRad(); }, M_PI / 2},
        {"SlipBall", 69, 127.0, [] { return SlipBall(); }, 1.0},
        {"GroundSpeed", 551, 100.0, [] { return GroundSpeed(); }, 59.26355},
        {"GroundSpeedMps", 551, 100.0, [] { return GroundSpeedMps(); }, 30.480370641307},
        {"GpsGroundSpeed", 832, 100.0, [] { return GpsGroundSpeed(); }, 194.43185484},
        {"Latitude", 71, 1e7, [] { return AircraftPosition().latitude; },
         1e7 * 360 * 2.4995625765491038e-08},
        {"Longitude", 72, 1e15, [] { return AircraftPosition().longitude; },
         1e15 * 360 * 3.552713678800501e-15},
        {"Altitude", 73, 1000.0, [] { return AircraftPosition().altitude; }, 3280.8},
        {"NavCourse(1)", 45, 123.9, [] { return NavCourse(1); }, 123},
        {"NavCourse(2)", 54, 45.0, [] { return NavCourse(2); }, 45},
        {"NavCourse(3)", 54, 45.0, [] { return NavCourse(3); }, -1},
        {"NavDmeDistance(1)", 31, 12.3, [] { return NavDmeDistance(1); }, 12.3},
        {"NavDmeDistance(2)", 35, 4.5, [] { return NavDmeDistance(2); }, 4.5},
        {"NavFlag(1)", 49, 1.0, [] { return NavFlag(1); }, 1},
        {"NavFlag(2)", 58, 2.0, [] { return NavFlag(2); }, 2},
        {"Vor1Bearing", 550, 33.0, [] { return Vor1Bearing(); }, 33.0},
        {"Vor2Bearing", 59, 44.0, [] { return Vor2Bearing(); }, 44.0},
        {"AdfSignal", 20, 1.0, [] { return AdfSignal(); }, 1},
        {"AdfRelativeBearing", 39, 300.0, [] { return AdfRelativeBearing(); }, 300.0},
        {"HsiCdiNeedle", 849, -40.0, [] { return HsiCdiNeedle(); }, -40.0},
        {"HsiCdiNeedleB", 849, -40.0, [] { return HsiCdiNeedleB(); }, -40.0},
        {"HsiGsiNeedle", 850, 20.0, [] { return HsiGsiNeedle(); }, 20.0},
        {"HsiCdiValid", 851, 1.0, [] { return HsiCdiValid(); }, 1},
        {"HsiGsiValid", 852, 1.0, [] { return HsiGsiValid(); }, 1},
        {"HsiToFromFlag", 853, 2.0, [] { return HsiToFromFlag(); }, 2},
        {"GpsDrivesNav", 848, 1.0, [] { return GpsDrivesNav(); }, 1},
        {"WaypointDistance", 835, 18520.0, [] { return WaypointDistance(); }, 10.0008},
        {"WaypointBearing", 836, M_PI / 2, [] { return WaypointBearing(); }, 90},
        {"ZuluHour", 6, 13.0, [] { return ZuluHour(); }, 13},
        {"ZuluMinute", 7, 7.0, [] { return ZuluMinute(); }, 7},
        {"AutopilotOn", 103, 1.0, [] { return AutopilotOn(); }, 1},
        {"ApWingLeveler", 104, 1.0, [] { return ApWingLeveler(); }, 1},
        {"ApNavHold", 105, 1.0, [] { return ApNavHold(); }, 1},
        {"ApHeadingHold", 106, 1.0, [] { return ApHeadingHold(); }, 1},
        {"ApHeading", 107, 270.5, [] { return ApHeading(); }, 270.5},
        {"ApAltitudeHold", 108, 1.0, [] { return ApAltitudeHold(); }, 1},
        {"ApAltitude", 109, 10000.7, [] { return ApAltitude(); }, 10000},
        {"ApGlideslopeHold", 111, 1.0, [] { return ApGlideslopeHold(); }, 1},
        {"ApApproachHold", 112, 1.0, [] { return ApApproachHold(); }, 1},
        {"YawDamper", 114, 1.0, [] { return YawDamper(); }, 1},
        {"ApSpeedHold", 115, 1.0, [] { return ApSpeedHold(); }, 1},
        {"ApSpeed", 116, 250.9, [] { return ApSpeed(); }, 250},
        {"ApMachHold", 117, 1.0, [] { return ApMachHold(); }, 1},
        {"ApMach", 118, 0.78, [] { return ApMach(); }, 0.78},
        {"AutothrottleArmed", 123, 1.0, [] { return AutothrottleArmed(); }, 1},
        {"FlightDirectorOn", 792, 1.0, [] { return FlightDirectorOn(); }, 1},
        {"FlightDirectorPitch", 793, 2.5, [] { return FlightDirectorPitch(); }, 2.5},
        {"FlightDirectorBank", 794, -3.5, [] { return FlightDirectorBank(); }, -3.5},
        {"DecisionHeight", 615, 200.0, [] { return DecisionHeight(); }, 200},
        {"ParkingBrake", 323, 1.0, [] { return ParkingBrake(); }, 1},
        {"SpoilersArmed", 324, 1.0, [] { return SpoilersArmed(); }, 1},
        {"SpoilerLeft", 326, 0.5, [] { return SpoilerLeft(); }, 0.5},
        {"SpoilerRight", 327, 0.25, [] { return SpoilerRight(); }, 0.25},
        {"FlapHandle", 328, 2.0, [] { return FlapHandle(); }, 2.0},
        {"LandingLights", 14, 1.0, [] { return LandingLights(); }, 1},
        {"TaxiLights", 369, 1.0, [] { return TaxiLights(); }, 1},
        {"DoorOpenA", 868, 0.5, [] { return DoorOpenA(); }, 1},
        {"DoorOpenC", 869, 1.0, [] { return DoorOpenC(); }, 1},
        {"DoorOpenD", 866, 1.0, [] { return DoorOpenD(); }, 1},
        {"StallWarning", 67, 1.0, [] { return StallWarning(); }, 1},
        {"OverspeedWarning", 68, 1.0, [] { return OverspeedWarning(); }, 1},
        {"ElecAlertSource", 279, 1.0, [] { return ElecAlertSource(); }, 1},
        {"VacuumAlertA", 288, 1.0, [] { return VacuumAlertA(); }, 1},
        {"VacuumAlertB", 378, 1.0, [] { return VacuumAlertB(); }, 1},
        {"OilAlertSource", 381, 1.0, [] { return OilAlertSource(); }, 1},
        {"HydraulicLost when pressure gone", 824, 0.0, [] { return HydraulicLost(); }, 1},
        {"HydraulicLost when pressure there", 824, 1.0, [] { return HydraulicLost(); }, 0},
        {"N1(2)", 624 + 38, 85.5, [] { return N1(2); }, 85.5},
        {"N2(1)", 625 + 19, 90.0, [] { return N2(1); }, 90.0},
        {"EPR(3)", 630 + 57, 1.4, [] { return EPR(3); }, 1.4},
        {"ITT(1) from Rankine", 631 + 19, 1000.0, [] { return ITT(1); }, 282.4055555555555},
        {"EGT(3) from Rankine", 567 + 30, 1000.0, [] { return EGT(3); }, 282.4055555555555},
        {"OilTemp(0) from Rankine", 561, 591.67, [] { return OilTemp(0); }, 55.5555555555555},
        {"FF(1)", 638 + 19, 1000.0, [] { return FF(1); }, 1000.0},
        {"FFMetric(1)", 638 + 19, 1000.0, [] { return FFMetric(1); }, 453.6},
        {"Vib(0)", 642, 0.7, [] { return Vib(0); }, 0.7},
        {"Torque(3)", 140 + 105, 55.0, [] { return Torque(3); }, 55.0},
        {"OilQty(2)", 149 + 70, 16384.0, [] { return OilQty(2); }, 100.0},
        {"OilPress(1)", 562 + 10, 16384.0, [] { return OilPress(1); }, 55.0},
        {"GeneratorOn(2)", 565 + 20, 1.0, [] { return GeneratorOn(2); }, 1},
        {"HydPress(0)", 732, 10000.0, [] { return HydPress(0); }, 4.7881254488867607},
        {"HydQty(3)", 733 + 6, 0.5, [] { return HydQty(3); }, 50.0},
        {"FuelPress(3)", 899 + 3, 2500.0, [] { return FuelPress(3); }, 2500.0},
        {"EngineFire(1)", 887 + 1, 1.0, [] { return EngineFire(1); }, 1},
        {"EngineRunning(0) above 1", 624, 1.5, [] { return EngineRunning(0); }, 1},
        {"EngineRunning(0) at 1", 624, 1.0, [] { return EngineRunning(0); }, 0},
    };
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.name);
        host.vars.clear();
        host.setNumber(c.token, c.hostValue);
        sampleFrame();
        EXPECT_NEAR(c.getter(), c.expected, 1e-9 * std::max(1.0, std::fabs(c.expected)));
    }
}

TEST_F(SnapshotConversions, AircraftVariablesAreReadWithTheirUnits) {
    host.setAircraftVar(0x18, "knot", 0, 321.0);
    host.setAircraftVar(0x64, "degree", 0, 20.0);
    host.setAircraftVar(0x66, "degree", 0, 15.0);
    host.setAircraftVar(0xac, "number", 1, 0.3);
    sampleFrame();
    EXPECT_EQ(TrueAirspeed(), 321.0);
    EXPECT_EQ(FlapAngle(), 20.0);
    EXPECT_EQ(SlatAngle(), 15.0);
    EXPECT_TRUE(DoorOpenB());
}

TEST_F(SnapshotConversions, BcdFrequencyTexts) {
    struct Case {
        int nav, adfMain, adfExt;
        const char* navText;
        const char* adfText;
    };
    const Case cases[] = {
        {0x1080, 0x0350, 0x0105, "110.800", "1350.50"},
        {0x0950, 0x0234, 0x0000, "109.500", "0234.00"},
        {0x1795, 0x0999, 0x0109, "117.950", "1999.90"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.navText);
        host.setWord(24, c.nav);
        host.setWord(27, c.nav);
        host.setWord(16, c.adfMain);
        host.setWord(18, c.adfExt);
        sampleFrame();
        EXPECT_STREQ(Nav1FrequencyText(), c.navText);
        EXPECT_STREQ(Nav2FrequencyText(), c.navText);
        EXPECT_STREQ(AdfFrequencyText(), c.adfText);
    }
}

TEST_F(SnapshotConversions, HostTextsAreCopiedAndCutToTheirBuffers) {
    const std::string longIdent(80, 'X');
    host.setText(47, "IKL");
    host.setText(56, longIdent.c_str());
    host.setText(19, nullptr);
    host.setText(839, "WPT01");
    sampleFrame();
    EXPECT_STREQ(NavIdent(1), "IKL");
    EXPECT_EQ(std::string(NavIdent(2)), longIdent.substr(0, kSnapshotTextSize - 1));
    EXPECT_STREQ(NavIdent(7), NavIdent(2));  // any other radio number reads radio 2
    EXPECT_STREQ(AdfIdent(), "");            // no host text: empty, never null
    EXPECT_STREQ(WaypointId(), "WPT01");
}

TEST_F(SnapshotConversions, WindDirectionIsMagnetic) {
    struct Case {
        double windTrue, variation, direction;
        int rounded;
    };
    const Case cases[] = {{270.0, 10.0, 260.0, 260},
                          {5.0, 10.0, 355.0, 355},
                          {359.6, 0.0, 359.6, 360},
                          {0.0, -20.0, 20.0, 20}};
    for (const Case& c : cases) {
        host.setNumber(344, c.windTrue);
        host.setNumber(82, c.variation);
        sampleFrame();
        EXPECT_NEAR(WindDirection(), c.direction, 1e-9) << c.windTrue << " " << c.variation;
        EXPECT_EQ(WindDirectionInt(), c.rounded);
    }
}

TEST_F(SnapshotConversions, AdfBearingAddsTheHeading) {
    host.setNumber(39, 300.0);
    host.setNumber(81, 100.0);
    sampleFrame();
    EXPECT_NEAR(AdfBearing(), 40.0, 1e-9);
}

TEST_F(SnapshotConversions, MarkersGearAndClock) {
    host.setNumber(354, 2.0);
    host.setNumber(333, 16383.0);
    host.setNumber(334, 16383.0);
    host.setNumber(332, 8000.0);
    host.setNumber(6, 7.0);
    host.setNumber(7, 5.0);
    sampleFrame();
    EXPECT_FALSE(OuterMarker());
    EXPECT_TRUE(MiddleMarker());
    EXPECT_FALSE(InnerMarker());
    EXPECT_EQ(GearState(0), 2);
    EXPECT_EQ(GearState(2), 1);
    EXPECT_EQ(GearState(3), 0);  // no such leg
    EXPECT_FALSE(GearAllDown());
    EXPECT_FALSE(GearAllUp());
    EXPECT_STREQ(ZuluClockText(), "07:05");

    host.setNumber(332, 16383.0);
    sampleFrame();
    EXPECT_TRUE(GearAllDown());
    host.vars.clear();
    sampleFrame();
    EXPECT_TRUE(GearAllUp());
}

TEST_F(SnapshotConversions, DriftAndFlightPathAngles) {
    host.setNumber(551, 100.0);
    host.setNumber(552, 10.0);
    host.setNumber(65, 256.0);
    sampleFrame();
    EXPECT_NEAR(DriftAngle(), 90.0 - std::atan2(100.0, 10.0) * 180.0 / M_PI, 1e-9);
    EXPECT_NEAR(FlightPathAngle(), std::atan2(1.0, 30.480370641307), 1e-12);

    // Too slow to tell: a fixed angle of a quarter turn, so no drift.
    host.setNumber(551, 10.0);
    sampleFrame();
    EXPECT_NEAR(DriftAngle(), 0.0, 1e-5);
}

TEST_F(SnapshotConversions, CeprFollowsN1OnlyForFittedEngines) {
    struct Case {
        double n1, cepr;
    };
    const Case cases[] = {{10.0, 1.0}, {25.0, 1.0}, {62.5, 1.4}, {100.0, 1.8}, {120.0, 1.8}};
    host.setNumber(267, 2.0);
    for (const Case& c : cases) {
        for (int i = 0; i < 4; ++i) host.setNumber(624 + 19 * i, c.n1);
        sampleFrame();
        EXPECT_NEAR(CEPR(0), c.cepr, 1e-12) << c.n1;
        EXPECT_NEAR(CEPR(1), c.cepr, 1e-12) << c.n1;
        EXPECT_EQ(CEPR(2), 0.0);
        EXPECT_EQ(CEPR(3), 0.0);
    }
}

TEST_F(SnapshotConversions, CeprMappingCanBeSetAndDegenerateRangeGivesTheLowValue) {
    host.setNumber(267, 1.0);
    host.setNumber(624, 50.0);
    SetCeprMapping(0.0, 100.0, 1.0, 2.0);
    sampleFrame();
    EXPECT_NEAR(CEPR(0), 1.5, 1e-12);
    SetCeprMapping(50.0, 50.0, 1.0, 2.0);
    sampleFrame();
    EXPECT_EQ(CEPR(0), 1.0);
    SetCeprMapping(25.0, 100.0, 1.0, 1.8);
}

TEST_F(SnapshotConversions, FuelTanksAddUpInPoundsAndKilograms) {
    // Level 2^23 is (nearly) a full tank; capacity 100 gallons at 6.5 lb each.
    for (const auto& tank : tok::kFuelTankTokens) {
        host.setNumber(tank[0], 8388608.0);
        host.setNumber(tank[1], 100.0);
    }
    host.setNumber(306, 6.5);
    host.setNumber(384, 50.0);  // tank 8 holds half as much
    sampleFrame();
    const double full = 8388608.0 * 1.1920930376163766e-07 * 100.0 * 6.5;
    EXPECT_NEAR(full, 650.0, 1e-3);
    EXPECT_NEAR(LeftFuel(), 3 * full, 1e-9);
    EXPECT_NEAR(RightFuel(), 3 * full, 1e-9);
    EXPECT_NEAR(CenterFuel(), full, 1e-9);
    EXPECT_NEAR(TotalFuel(), 7.5 * full, 1e-9);
    EXPECT_NEAR(TotalFuelKg(), 7.5 * full * 0.4536, 1e-9);
    EXPECT_NEAR(LeftFuelKg(), 3 * full * 0.4536, 1e-9);
    EXPECT_EQ(ApuRPM(), 0.0);
    EXPECT_EQ(ApuEGT(), 0.0);
}

TEST_F(SnapshotConversions, LightingModeComesFromTheHostPanelLighting) {
    sampleFrame();
    EXPECT_EQ(LightingMode(), 0);  // host cannot answer: day
    host.setCalculator("(P:PANEL LIGHTING MODE, enum)", 4);
    sampleFrame();
    EXPECT_EQ(LightingMode(), 4);
    EXPECT_TRUE(IsNightLighting());
    host.setCalculator("(P:PANEL LIGHTING MODE, enum)", 2);
    sampleFrame();
    EXPECT_TRUE(IsDuskLighting());
    EXPECT_FALSE(IsNightLighting());
}

TEST_F(SnapshotConversions, EngineGettersOutsideTheFourSlotsReadZero) {
    host.setNumber(624, 50.0);
    sampleFrame();
    EXPECT_EQ(N1(-1), 0.0);
    EXPECT_EQ(N1(4), 0.0);
    EXPECT_FALSE(EngineRunning(9));
}

TEST(HostConversions, IntegerConversionsStayDefinedForAnyDouble) {
    EXPECT_EQ(truncToInt(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(truncToInt(1e300), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(truncToInt(-1e300), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(truncToInt(-2.9), -2);
    EXPECT_EQ(halfUp(-2.5), -2);
    EXPECT_EQ(halfUp(2.5), 3);
    EXPECT_EQ(halfUp(std::numeric_limits<double>::infinity()), std::numeric_limits<int32_t>::max());
}

TEST(HostConversions, WithoutAHostEveryValueReadsZero) {
    liveSnapshot() = SimSnapshot{};
    sampleFrame();
    EXPECT_EQ(IndicatedAirspeed(), 0.0);
    EXPECT_STREQ(NavIdent(1), "");
    EXPECT_FALSE(IsPowered());
}

}  // namespace
}  // namespace zentra
