// Values set in natural units in a scenario come out of the snapshot getters
// as the same numbers: the host's encodings and the sampler's conversions
// undo each other, group by group.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "simhost/frame_loop.h"
#include "simhost/panels_table.h"
#include "simhost/simulator.h"
#include "zentra/frame/host_access.h"
#include "zentra/simdata/sampler.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {
namespace {

struct Case {
    const char* channel;
    double value;
    std::function<double()> getter;
    double tolerance = 1e-6;
};

// Flies a one-second scenario and samples the host with this process's
// sampler after every frame, as the MainGauge does in the module.
class RoundTrip {
  public:
    explicit RoundTrip(const std::string& scenario)
        : sim_(simhost::parsePanel("[Window00]\nsize=64,64\ngauge00=zentra!MainGauge, 0, 0\n",
                                   "round_trip.ini"),
               simhost::parseScenario(scenario, "round_trip.scn"),
               simhost::RunSettings{GAUGE_MODULE_DIR, 18.0}),
          loop_(sim_) {
        table_ = simhost::makePanelsTable();
        ImportTable.panels.table = &table_;
        liveSnapshot() = SimSnapshot{};
        loop_.start();
        for (int64_t f = 0; f <= sim_.lastFrame(); ++f) {
            loop_.step(f);
            sampleFrame();
        }
    }
    ~RoundTrip() {
        loop_.finish();
        ImportTable.panels.table = nullptr;
    }

  private:
    simhost::Simulator sim_;
    simhost::FrameLoop loop_;
    host::PanelsTable table_;
};

std::string scenarioOf(const std::vector<Case>& cases, const std::string& extra = "") {
    std::ostringstream s;
    s << "duration 1\n" << extra;
    for (const Case& c : cases) s << "0 set " << c.channel << " " << c.value << "\n";
    return s.str();
}

void expectRoundTrip(const std::vector<Case>& cases, const std::string& extra = "") {
    RoundTrip run(scenarioOf(cases, extra));
    for (const Case& c : cases) {
        EXPECT_NEAR(c.getter(), c.value, c.tolerance) << c.channel;
    }
}

TEST(SnapshotRoundTrip, AirDataAndAttitude) {
    expectRoundTrip({
        {"on_ground", 0, [] { return OnGround(); }},
        {"indicated_airspeed", 245.5, [] { return IndicatedAirspeed(); }},
        {"maximum_speed", 350, [] { return MaximumSpeed(); }},
        {"mach", 0.82, [] { return Mach(); }, 1e-4},
        {"vertical_speed", -1500, [] { return VerticalSpeed(); }},
        {"indicated_altitude", 12345, [] { return IndicatedAltitude(); }},
        {"ground_elevation", 1200, [] { return GroundElevation(); }, 1e-3},
        {"baro_mb", 1005.5, [] { return BaroSettingMb(); }},
        {"baro_inhg", 29.7, [] { return BaroSettingInHg(); }},
        {"static_air_temperature", -23, [] { return StaticAirTemperature(); }},
        {"total_air_temperature", 12, [] { return TotalAirTemperature(); }},
        {"wind_speed", 35, [] { return WindSpeed(); }},
        {"pitch", 4.5, [] { return PitchAngle(); }},
        {"bank", -12.5, [] { return BankAngle(); }},
        {"heading", 123, [] { return Heading(); }},
        {"true_heading", 133, [] { return TrueHeading(); }},
        {"slip_ball", 0.5, [] { return SlipBall(); }},
        {"ground_speed", 300, [] { return GroundSpeed(); }},
        {"gps_ground_speed", 301, [] { return GpsGroundSpeed(); }},
        {"latitude", 47.25, [] { return AircraftPosition().latitude; }, 1e-4},
        {"longitude", -122.5, [] { return AircraftPosition().longitude; }, 1e-4},
        {"altitude", 12000, [] { return AircraftPosition().altitude; }, 1e-3},
        {"true_airspeed", 380, [] { return TrueAirspeed(); }},
    });
}

TEST(SnapshotRoundTrip, WindIsShownMagnetic) {
    RoundTrip run("duration 1\n0 set wind_direction 270\n0 set magnetic_variation 10\n");
    EXPECT_NEAR(WindDirection(), 260.0, 1e-6);
}

TEST(SnapshotRoundTrip, RadiosWithFrequencyTexts) {
    RoundTrip run(
        "duration 1\n0 set nav1_frequency 110.80\n0 set nav2_frequency 117.95\n"
        "0 set adf_frequency 1350.5\n0 text nav1_ident BOI\n0 text adf_ident XY\n"
        "0 text waypoint_id KSEA\n0 set nav1_course 280\n0 set nav2_course 45\n"
        "0 set nav1_dme 12.5\n0 set nav2_dme 4.2\n0 set vor1_bearing 30\n"
        "0 set adf_relative_bearing 90\n0 set heading 300\n0 set marker 3\n"
        "0 set waypoint_distance 25.5\n0 set waypoint_bearing 75\n0 set zulu_hour 14\n"
        "0 set zulu_minute 5\n");
    EXPECT_STREQ(Nav1FrequencyText(), "110.800");
    EXPECT_STREQ(Nav2FrequencyText(), "117.950");
    EXPECT_STREQ(AdfFrequencyText(), "1350.50");
    EXPECT_STREQ(NavIdent(1), "BOI");
    EXPECT_STREQ(AdfIdent(), "XY");
    EXPECT_STREQ(WaypointId(), "KSEA");
    EXPECT_EQ(NavCourse(1), 280);
    EXPECT_EQ(NavCourse(2), 45);
    EXPECT_NEAR(NavDmeDistance(1), 12.5, 1e-9);
    EXPECT_NEAR(NavDmeDistance(2), 4.2, 1e-9);
    EXPECT_NEAR(Vor1Bearing(), 30.0, 1e-9);
    EXPECT_NEAR(AdfBearing(), 30.0, 1e-9);
    EXPECT_TRUE(InnerMarker());
    EXPECT_NEAR(WaypointDistance(), 25.5, 1e-6);
    EXPECT_EQ(WaypointBearing(), 75);
    EXPECT_STREQ(ZuluClockText(), "14:05");
}

TEST(SnapshotRoundTrip, AutopilotAndFlightDirector) {
    expectRoundTrip({
        {"autopilot_on", 1, [] { return AutopilotOn(); }},
        {"ap_heading_hold", 1, [] { return ApHeadingHold(); }},
        {"ap_heading", 270, [] { return ApHeading(); }},
        {"ap_altitude", 15000, [] { return ApAltitude(); }},
        {"ap_speed", 250, [] { return ApSpeed(); }},
        {"ap_mach", 0.78, [] { return ApMach(); }},
        {"autothrottle_armed", 1, [] { return AutothrottleArmed(); }},
        {"flight_director_on", 1, [] { return FlightDirectorOn(); }},
        {"flight_director_pitch", 3.5, [] { return FlightDirectorPitch(); }},
        {"flight_director_bank", -8, [] { return FlightDirectorBank(); }},
        {"decision_height", 200, [] { return DecisionHeight(); }},
    });
}

TEST(SnapshotRoundTrip, AirframeGearAndDoors) {
    expectRoundTrip({
        {"parking_brake", 1, [] { return ParkingBrake(); }},
        {"spoiler_left", 0.5, [] { return SpoilerLeft(); }},
        {"flap_handle", 2, [] { return FlapHandle(); }},
        {"flap_angle", 20, [] { return FlapAngle(); }},
        {"slat_angle", 15, [] { return SlatAngle(); }},
        {"landing_lights", 1, [] { return LandingLights(); }},
        {"door_a", 1, [] { return DoorOpenA(); }},
        {"door_b", 1, [] { return DoorOpenB(); }},
        {"stall_warning", 1, [] { return StallWarning(); }},
    });
    {
        RoundTrip up("duration 1\n0 set gear 0\n");
        EXPECT_TRUE(GearAllUp());
    }
    {
        RoundTrip down("duration 1\n0 set gear 1\n");
        EXPECT_TRUE(GearAllDown());
    }
    RoundTrip moving("duration 1\n0 set gear 1\n0 set gear_nose 0.5\n");
    EXPECT_EQ(GearState(2), 1);
}

TEST(SnapshotRoundTrip, EnginesWithTemperaturesFromRankine) {
    expectRoundTrip({
        {"engine_count", 2, [] { return EngineCount(); }},
        {"engine1_n1", 62.5, [] { return N1(0); }},
        {"engine2_n1", 100, [] { return N1(1); }},
        {"engine2_n2", 95, [] { return N2(1); }},
        {"engine1_epr", 1.3, [] { return EPR(0); }},
        {"engine1_itt", 650, [] { return ITT(0); }, 1e-6},
        {"engine2_egt", 520, [] { return EGT(1); }, 1e-6},
        {"engine1_oil_temperature", 85, [] { return OilTemp(0); }, 1e-6},
        {"engine2_fuel_flow", 2500, [] { return FF(1); }},
        {"engine1_oil_quantity", 90, [] { return OilQty(0); }, 1e-3},
        {"engine1_oil_pressure", 55, [] { return OilPress(0); }, 1e-3},
        {"engine2_hydraulic_pressure", 3000, [] { return HydPress(1); }, 1e-2},
        {"engine1_hydraulic_quantity", 80, [] { return HydQty(0); }},
        {"engine1_torque", 40, [] { return Torque(0); }},
        {"engine1_fuel_pressure", 2500, [] { return FuelPress(0); }},
        {"engine2_fire", 1, [] { return EngineFire(1); }},
    });
    // CEPR from N1 with the default mapping; the third engine is not fitted.
    EXPECT_NEAR(CEPR(0), 1.4, 1e-9);
    EXPECT_NEAR(CEPR(1), 1.8, 1e-9);
    EXPECT_EQ(CEPR(2), 0.0);
    EXPECT_NEAR(FFMetric(1), 2500 * 0.4536, 1e-6);
}

TEST(SnapshotRoundTrip, FuelTanks) {
    RoundTrip run(
        "duration 1\n0 set fuel_weight_per_gallon 6.7\n"
        "0 set fuel_tank1_level 100\n0 set fuel_tank1_capacity 100\n"
        "0 set fuel_tank4_level 50\n0 set fuel_tank4_capacity 100\n"
        "0 set fuel_tank7_level 25\n0 set fuel_tank7_capacity 200\n");
    EXPECT_NEAR(LeftFuel(), 670.0, 0.01);
    EXPECT_NEAR(RightFuel(), 335.0, 0.01);
    EXPECT_NEAR(CenterFuel(), 335.0, 0.01);
    EXPECT_NEAR(TotalFuel(), 1340.0, 0.02);
    EXPECT_NEAR(TotalFuelKg(), 1340.0 * 0.4536, 0.01);
}

TEST(SnapshotRoundTrip, PowerAndLighting) {
    {
        RoundTrip run("duration 1\n0 set battery_on 1\n0 set panel_lighting 4\n");
        EXPECT_TRUE(IsPowered());
        EXPECT_EQ(LightingMode(), 4);
        EXPECT_TRUE(IsNightLighting());
    }
    // An engine running up powers the displays 14 frames after it passes 13.
    RoundTrip run("duration 1\n0 set battery_on 0\n0 set engine1_running_level 20\n");
    EXPECT_EQ(EngineStartCounter(0), 19.0);  // frames 0 .. 18
    EXPECT_TRUE(IsPowered());
}

}  // namespace
}  // namespace zentra
