#pragma once
// The per-frame sample of the simulation that every instrument reads.
//
// The MainGauge's pre-draw rewrites the live snapshot on the gauge thread. A
// render thread binds its own copy (taken in paint) with SnapshotBinding, so
// the getters it calls read that copy and never race the sampler.
#include <cstdint>

namespace zentra {

constexpr int kEngineSlots = 4;
constexpr int kGearLegs = 3;
constexpr int kFuelTanks = 8;
constexpr int kSnapshotTextSize = 32;

struct AircraftPositionRecord {
    double latitude = 0.0;   // degrees
    double longitude = 0.0;  // degrees
    double altitude = 0.0;   // feet
};

struct EngineSample {
    double n1 = 0.0;
    double n2 = 0.0;
    double epr = 0.0;
    double itt = 0.0;       // degrees C
    double ff = 0.0;        // lb/h
    double ffMetric = 0.0;  // kg/h
    double vib = 0.0;
    double torque = 0.0;
    double oilQty = 0.0;
    double egt = 0.0;
    double oilTemp = 0.0;
    double oilPress = 0.0;
    int32_t generatorOn = 0;
    double hydPress = 0.0;
    double hydQty = 0.0;
    double fuelPress = 0.0;
    int32_t engineFire = 0;
    bool engineRunning = false;
    double cepr = 0.0;
    double startCounter = 0.0;
};

struct SimSnapshot {
    // Time, state, air data.
    double simTime = 0.0;
    int32_t onGround = 0;
    int32_t engineCount = 0;
    double indicatedAirspeed = 0.0;
    double trueAirspeed = 0.0;
    double mach = 0.0;
    double maximumSpeed = 0.0;
    double minimumSpeed = 0.0;
    double verticalSpeed = 0.0;
    double indicatedAltitude = 0.0;
    int32_t indicatedAltitudeInt = 0;
    double heightAboveLastGround = 0.0;
    int32_t heightAboveLastGroundInt = 0;
    double groundElevation = 0.0;
    double baroSettingMb = 0.0;
    double baroSettingInHg = 0.0;
    int32_t staticAirTemperature = 0;
    int32_t totalAirTemperature = 0;
    int32_t windSpeed = 0;
    double windDirection = 0.0;
    int32_t windDirectionInt = 0;

    // Attitude, heading, motion.
    double pitchAngle = 0.0;
    double bankAngle = 0.0;
    double heading = 0.0;
    double trueHeading = 0.0;
    double trueHeadingRad = 0.0;
    double slipBall = 0.0;
    double groundSpeed = 0.0;
    double groundSpeedMps = 0.0;
    double gpsGroundSpeed = 0.0;
    double driftAngle = 0.0;
    double flightPathAngle = 0.0;
    AircraftPositionRecord aircraftPosition{};

    // Radio navigation; texts are copies of the host's, cut to fit.
    char nav1FrequencyText[kSnapshotTextSize] = {};
    char nav2FrequencyText[kSnapshotTextSize] = {};
    char adfFrequencyText[kSnapshotTextSize] = {};
    char navIdent[2][kSnapshotTextSize] = {};
    int32_t navCourse[2] = {};
    double navDmeDistance[2] = {};
    int32_t navFlag[2] = {};
    double vor1Bearing = 0.0;
    double vor2Bearing = 0.0;
    char adfIdent[kSnapshotTextSize] = {};
    int32_t adfSignal = 0;
    double adfRelativeBearing = 0.0;
    double adfBearing = 0.0;
    double hsiCdiNeedle = 0.0;
    double hsiCdiNeedleB = 0.0;
    double hsiGsiNeedle = 0.0;
    int32_t hsiCdiValid = 0;
    int32_t hsiGsiValid = 0;
    int32_t hsiToFromFlag = 0;
    bool outerMarker = false;
    bool middleMarker = false;
    bool innerMarker = false;
    int32_t gpsDrivesNav = 0;
    char waypointId[kSnapshotTextSize] = {};
    double waypointDistance = 0.0;
    int32_t waypointBearing = 0;
    int32_t zuluHour = 0;
    int32_t zuluMinute = 0;

    // Autopilot and flight director.
    int32_t autopilotOn = 0;
    int32_t apWingLeveler = 0;
    int32_t apNavHold = 0;
    int32_t apHeadingHold = 0;
    double apHeading = 0.0;
    int32_t apAltitudeHold = 0;
    int32_t apAltitude = 0;
    int32_t apGlideslopeHold = 0;
    int32_t apApproachHold = 0;
    int32_t yawDamper = 0;
    int32_t apSpeedHold = 0;
    int32_t apSpeed = 0;
    int32_t apMachHold = 0;
    double apMach = 0.0;
    int32_t autothrottleArmed = 0;
    int32_t flightDirectorOn = 0;
    double flightDirectorPitch = 0.0;
    double flightDirectorBank = 0.0;
    int32_t decisionHeight = 0;

    // Airframe and warnings.
    int32_t parkingBrake = 0;
    int32_t spoilersArmed = 0;
    double spoilerLeft = 0.0;
    double spoilerRight = 0.0;
    double flapHandle = 0.0;
    double flapAngle = 0.0;
    double slatAngle = 0.0;
    int32_t gearState[kGearLegs] = {};
    bool gearAllUp = false;
    bool gearAllDown = false;
    int32_t landingLights = 0;
    int32_t taxiLights = 0;
    bool doorOpenA = false;
    bool doorOpenB = false;
    bool doorOpenC = false;
    bool doorOpenD = false;
    int32_t stallWarning = 0;
    int32_t overspeedWarning = 0;
    int32_t elecAlertSource = 0;
    int32_t vacuumAlertA = 0;
    int32_t vacuumAlertB = 0;
    int32_t oilAlertSource = 0;
    bool hydraulicLost = false;
    int32_t seatBeltsSign = 0;
    int32_t noSmokingSign = 0;

    // Engines: four slots whatever EngineCount says.
    EngineSample engines[kEngineSlots]{};

    // Fuel, pounds.
    double fuelTank[kFuelTanks] = {};
    double leftFuel = 0.0;
    double rightFuel = 0.0;
    double centerFuel = 0.0;
    double totalFuel = 0.0;
    double apuRpm = 0.0;
    double apuEgt = 0.0;

    // Electrical master (mv 364) as last sampled, and the panel lighting.
    double batteryMaster = 0.0;
    int32_t lightingMode = 0;
};

// The snapshot the sampler writes (gauge thread only).
SimSnapshot& liveSnapshot();

// The snapshot the calling thread's getters read: its bound copy, or the live one.
const SimSnapshot& currentSnapshot();

// Binds a snapshot copy to the calling thread for the binding's lifetime.
class SnapshotBinding {
  public:
    explicit SnapshotBinding(const SimSnapshot& copy);
    ~SnapshotBinding();
    SnapshotBinding(const SnapshotBinding&) = delete;
    SnapshotBinding& operator=(const SnapshotBinding&) = delete;

  private:
    const SimSnapshot* previous_;
};

}  // namespace zentra
