#pragma once
// Getters of the snapshot values, named after the values. They read the
// calling thread's snapshot (sim_snapshot.h). Engine getters take an index 0-3
// and give 0 for any other; radio getters take the radio number 1 or 2.
// Text getters return snapshot buffers (never null; empty when the host has none).
#include <cstdint>

#include "zentra/simdata/sim_snapshot.h"

namespace zentra {

// Time, state, air data.
double SimTime();
int32_t OnGround();
int32_t EngineCount();
double IndicatedAirspeed();
double TrueAirspeed();
double Mach();
double MaximumSpeed();
double MinimumSpeed();
double VerticalSpeed();
double IndicatedAltitude();
int32_t IndicatedAltitudeInt();
double HeightAboveLastGround();
int32_t HeightAboveLastGroundInt();
double GroundElevation();
double BaroSettingMb();
double BaroSettingInHg();
int32_t StaticAirTemperature();
int32_t TotalAirTemperature();
int32_t WindSpeed();
double WindDirection();
int32_t WindDirectionInt();

// Attitude, heading, motion.
double PitchAngle();
double BankAngle();
double Heading();
double TrueHeading();
double TrueHeadingRad();
double SlipBall();
double GroundSpeed();
double GroundSpeedMps();
double GpsGroundSpeed();
double DriftAngle();
double FlightPathAngle();
const AircraftPositionRecord& AircraftPosition();

// Radio navigation.
const char* Nav1FrequencyText();
const char* Nav2FrequencyText();
const char* AdfFrequencyText();
const char* NavIdent(int n);
int32_t NavCourse(int n);
double NavDmeDistance(int n);
int32_t NavFlag(int n);
double Vor1Bearing();
double Vor2Bearing();
const char* AdfIdent();
int32_t AdfSignal();
double AdfRelativeBearing();
double AdfBearing();
double HsiCdiNeedle();
double HsiCdiNeedleB();
double HsiGsiNeedle();
int32_t HsiCdiValid();
int32_t HsiGsiValid();
int32_t HsiToFromFlag();
bool OuterMarker();
bool MiddleMarker();
bool InnerMarker();
int32_t GpsDrivesNav();
const char* WaypointId();
double WaypointDistance();
int32_t WaypointBearing();
int32_t ZuluHour();
int32_t ZuluMinute();
// "HH:MM", made at the call in a per-thread buffer that the next call overwrites.
const char* ZuluClockText();

// Autopilot and flight director.
int32_t AutopilotOn();
int32_t ApWingLeveler();
int32_t ApNavHold();
int32_t ApHeadingHold();
double ApHeading();
int32_t ApAltitudeHold();
int32_t ApAltitude();
int32_t ApGlideslopeHold();
int32_t ApApproachHold();
int32_t YawDamper();
int32_t ApSpeedHold();
int32_t ApSpeed();
int32_t ApMachHold();
double ApMach();
int32_t AutothrottleArmed();
int32_t FlightDirectorOn();
double FlightDirectorPitch();
double FlightDirectorBank();
int32_t DecisionHeight();

// Airframe and warnings.
int32_t ParkingBrake();
int32_t SpoilersArmed();
double SpoilerLeft();
double SpoilerRight();
double FlapHandle();
double FlapAngle();
double SlatAngle();
int32_t GearState(int leg);  // 0 up, 1 moving, 2 down; legs 0-2
bool GearAllUp();
bool GearAllDown();
int32_t LandingLights();
int32_t TaxiLights();
bool DoorOpenA();
bool DoorOpenB();
bool DoorOpenC();
bool DoorOpenD();
int32_t StallWarning();
int32_t OverspeedWarning();
int32_t ElecAlertSource();
int32_t VacuumAlertA();
int32_t VacuumAlertB();
int32_t OilAlertSource();
bool HydraulicLost();
int32_t SeatBeltsSign();
int32_t NoSmokingSign();

// Engines.
double N1(int i);
double N2(int i);
double EPR(int i);
double ITT(int i);
double FF(int i);
double FFMetric(int i);
double Vib(int i);
double Torque(int i);
double OilQty(int i);
double EGT(int i);
double OilTemp(int i);
double OilPress(int i);
int32_t GeneratorOn(int i);
double HydPress(int i);
double HydQty(int i);
double FuelPress(int i);
int32_t EngineFire(int i);
bool EngineRunning(int i);
double CEPR(int i);
double EngineStartCounter(int i);

// Fuel.
double LeftFuel();
double RightFuel();
double CenterFuel();
double TotalFuel();
double LeftFuelKg();
double RightFuelKg();
double CenterFuelKg();
double TotalFuelKg();
double ApuRPM();
double ApuEGT();

// Power and lighting.
// Any running engine's start counter past 13, or the electrical master on
// (read from the host at the call, on the gauge thread).
bool IsPowered();
int32_t LightingMode();  // 0 day, 2 dusk or dawn, 4 night
bool IsNightLighting();
bool IsDuskLighting();

}  // namespace zentra
