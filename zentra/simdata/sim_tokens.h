#pragma once
// Host module variable tokens and aircraft variable ids the sampler reads.
#include <cstdint>

namespace zentra::tok {

// Time, state, air data.
constexpr int32_t kSimTime = 604;
constexpr int32_t kOnGround = 60;
constexpr int32_t kEngineCount = 267;
constexpr int32_t kIndicatedAirspeed = 61;
constexpr int32_t kMach = 64;
constexpr int32_t kMaximumSpeed = 63;
constexpr int32_t kVerticalSpeed = 65;
constexpr int32_t kIndicatedAltitude = 74;
constexpr int32_t kAltitudeMeters = 614;  // the aircraft's altitude, for the ground reference
constexpr int32_t kGroundElevation = 2;
constexpr int32_t kBaroSettingMb = 75;
constexpr int32_t kBaroSettingInHg = 76;
constexpr int32_t kStaticAirTemperature = 800;
constexpr int32_t kTotalAirTemperature = 350;
constexpr int32_t kWindSpeed = 343;
constexpr int32_t kWindDirection = 344;
constexpr int32_t kMagneticVariation = 82;

// Attitude, heading, motion.
constexpr int32_t kPitch = 78;
constexpr int32_t kBank = 80;
constexpr int32_t kHeading = 81;
constexpr int32_t kTrueHeading = 86;
constexpr int32_t kSlipBall = 69;
constexpr int32_t kGroundVelocity = 551;
constexpr int32_t kLateralVelocity = 552;
constexpr int32_t kGpsGroundSpeed = 832;
constexpr int32_t kLatitude = 71;
constexpr int32_t kLongitude = 72;
constexpr int32_t kAltitude = 73;

// Radio navigation.
constexpr int32_t kNav1Frequency = 24;
constexpr int32_t kNav2Frequency = 27;
constexpr int32_t kAdfFrequency = 16;
constexpr int32_t kAdfFrequencyExt = 18;
constexpr int32_t kNav1Ident = 47;
constexpr int32_t kNav2Ident = 56;
constexpr int32_t kNav1Course = 45;
constexpr int32_t kNav2Course = 54;
constexpr int32_t kNav1Dme = 31;
constexpr int32_t kNav2Dme = 35;
constexpr int32_t kNav1Flag = 49;
constexpr int32_t kNav2Flag = 58;
constexpr int32_t kVor1Bearing = 550;
constexpr int32_t kVor2Bearing = 59;
constexpr int32_t kAdfIdent = 19;
constexpr int32_t kAdfSignal = 20;
constexpr int32_t kAdfRelativeBearing = 39;
constexpr int32_t kHsiCdiNeedle = 849;
constexpr int32_t kHsiGsiNeedle = 850;
constexpr int32_t kHsiCdiValid = 851;
constexpr int32_t kHsiGsiValid = 852;
constexpr int32_t kHsiToFromFlag = 853;
constexpr int32_t kMarker = 354;
constexpr int32_t kGpsDrivesNav = 848;
constexpr int32_t kWaypointId = 839;
constexpr int32_t kWaypointDistance = 835;
constexpr int32_t kWaypointBearing = 836;
constexpr int32_t kZuluHour = 6;
constexpr int32_t kZuluMinute = 7;

// Autopilot and flight director.
constexpr int32_t kAutopilotOn = 103;
constexpr int32_t kApWingLeveler = 104;
constexpr int32_t kApNavHold = 105;
constexpr int32_t kApHeadingHold = 106;
constexpr int32_t kApHeading = 107;
constexpr int32_t kApAltitudeHold = 108;
constexpr int32_t kApAltitude = 109;
constexpr int32_t kApGlideslopeHold = 111;
constexpr int32_t kApApproachHold = 112;
constexpr int32_t kYawDamper = 114;
constexpr int32_t kApSpeedHold = 115;
constexpr int32_t kApSpeed = 116;
constexpr int32_t kApMachHold = 117;
constexpr int32_t kApMach = 118;
constexpr int32_t kAutothrottleArmed = 123;
constexpr int32_t kFlightDirectorOn = 792;
constexpr int32_t kFlightDirectorPitch = 793;
constexpr int32_t kFlightDirectorBank = 794;
constexpr int32_t kDecisionHeight = 615;

// Airframe and warnings.
constexpr int32_t kParkingBrake = 323;
constexpr int32_t kSpoilersArmed = 324;
constexpr int32_t kSpoilerLeft = 326;
constexpr int32_t kSpoilerRight = 327;
constexpr int32_t kFlapHandle = 328;
constexpr int32_t kGearLeg0 = 333;
constexpr int32_t kGearLeg1 = 334;
constexpr int32_t kGearLeg2 = 332;
constexpr int32_t kLandingLights = 14;
constexpr int32_t kTaxiLights = 369;
constexpr int32_t kDoorA = 868;
constexpr int32_t kDoorC = 869;
constexpr int32_t kDoorD = 866;
constexpr int32_t kStallWarning = 67;
constexpr int32_t kOverspeedWarning = 68;
constexpr int32_t kElecAlert = 279;
constexpr int32_t kVacuumAlertA = 288;
constexpr int32_t kVacuumAlertB = 378;
constexpr int32_t kOilAlert = 381;
constexpr int32_t kHydraulics = 824;
constexpr int32_t kBatteryMaster = 364;

// Engines: base token plus the per-engine stride.
constexpr int32_t kN1 = 624, kN2 = 625, kEpr = 630, kItt = 631, kFuelFlow = 638, kVib = 642;
constexpr int32_t kEngineStride19 = 19;
constexpr int32_t kTorque = 140, kOilQty = 149;
constexpr int32_t kEngineStride35 = 35;
constexpr int32_t kEgt = 567, kOilTemp = 561, kOilPress = 562, kGenerator = 565;
constexpr int32_t kEngineStride10 = 10;
constexpr int32_t kHydPress = 732, kHydQty = 733;
constexpr int32_t kEngineStride2 = 2;
constexpr int32_t kFuelPress = 899, kEngineFire = 887;  // stride 1
constexpr int32_t kEngineStartState = 761;              // stride 2

// Fuel: (level, capacity) per tank 1-8, and the weight per gallon.
constexpr int32_t kFuelTankTokens[8][2] = {{291, 292}, {293, 294}, {295, 296}, {297, 298},
                                           {299, 300}, {301, 302}, {289, 290}, {383, 384}};
constexpr int32_t kFuelWeightPerGallon = 306;

// Aircraft variables.
constexpr int32_t kAvTrueAirspeed = 0x18;
constexpr int32_t kAvFlapAngle = 0x64;
constexpr int32_t kAvSlatAngle = 0x66;
constexpr int32_t kAvDoorB = 0xac;

}  // namespace zentra::tok
