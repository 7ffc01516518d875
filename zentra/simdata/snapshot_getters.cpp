#include "zentra/simdata/snapshot_getters.h"

#include <cstdio>

#include "zentra/frame/host_access.h"
#include "zentra/simdata/host_reader.h"
#include "zentra/simdata/sim_tokens.h"

namespace zentra {

namespace {

constexpr double kKgPerPound = 0.4536;

const SimSnapshot& S() { return currentSnapshot(); }

const EngineSample& engine(int i) {
    static const EngineSample kNone{};
    return i >= 0 && i < kEngineSlots ? S().engines[i] : kNone;
}

int radioSlot(int n) { return n == 1 ? 0 : 1; }

}  // namespace

double SimTime() { return S().simTime; }
int32_t OnGround() { return S().onGround; }
int32_t EngineCount() { return S().engineCount; }
double IndicatedAirspeed() { return S().indicatedAirspeed; }
double TrueAirspeed() { return S().trueAirspeed; }
double Mach() { return S().mach; }
double MaximumSpeed() { return S().maximumSpeed; }
double MinimumSpeed() { return S().minimumSpeed; }
double VerticalSpeed() { return S().verticalSpeed; }
double IndicatedAltitude() { return S().indicatedAltitude; }
int32_t IndicatedAltitudeInt() { return S().indicatedAltitudeInt; }
double HeightAboveLastGround() { return S().heightAboveLastGround; }
int32_t HeightAboveLastGroundInt() { return S().heightAboveLastGroundInt; }
double GroundElevation() { return S().groundElevation; }
double BaroSettingMb() { return S().baroSettingMb; }
double BaroSettingInHg() { return S().baroSettingInHg; }
int32_t StaticAirTemperature() { return S().staticAirTemperature; }
int32_t TotalAirTemperature() { return S().totalAirTemperature; }
int32_t WindSpeed() { return S().windSpeed; }
double WindDirection() { return S().windDirection; }
int32_t WindDirectionInt() { return S().windDirectionInt; }

double PitchAngle() { return S().pitchAngle; }
double BankAngle() { return S().bankAngle; }
double Heading() { return S().heading; }
double TrueHeading() { return S().trueHeading; }
double TrueHeadingRad() { return S().trueHeadingRad; }
double SlipBall() { return S().slipBall; }
double GroundSpeed() { return S().groundSpeed; }
double GroundSpeedMps() { return S().groundSpeedMps; }
double GpsGroundSpeed() { return S().gpsGroundSpeed; }
double DriftAngle() { return S().driftAngle; }
double FlightPathAngle() { return S().flightPathAngle; }
const AircraftPositionRecord& AircraftPosition() { return S().aircraftPosition; }

const char* Nav1FrequencyText() { return S().nav1FrequencyText; }
const char* Nav2FrequencyText() { return S().nav2FrequencyText; }
const char* AdfFrequencyText() { return S().adfFrequencyText; }
const char* NavIdent(int n) { return S().navIdent[radioSlot(n)]; }
int32_t NavCourse(int n) { return n == 1 || n == 2 ? S().navCourse[n - 1] : -1; }
double NavDmeDistance(int n) { return S().navDmeDistance[radioSlot(n)]; }
int32_t NavFlag(int n) { return S().navFlag[radioSlot(n)]; }
double Vor1Bearing() { return S().vor1Bearing; }
double Vor2Bearing() { return S().vor2Bearing; }
const char* AdfIdent() { return S().adfIdent; }
int32_t AdfSignal() { return S().adfSignal; }
double AdfRelativeBearing() { return S().adfRelativeBearing; }
double AdfBearing() { return S().adfBearing; }
double HsiCdiNeedle() { return S().hsiCdiNeedle; }
double HsiCdiNeedleB() { return S().hsiCdiNeedleB; }
double HsiGsiNeedle() { return S().hsiGsiNeedle; }
int32_t HsiCdiValid() { return S().hsiCdiValid; }
int32_t HsiGsiValid() { return S().hsiGsiValid; }
int32_t HsiToFromFlag() { return S().hsiToFromFlag; }
bool OuterMarker() { return S().outerMarker; }
bool MiddleMarker() { return S().middleMarker; }
bool InnerMarker() { return S().innerMarker; }
int32_t GpsDrivesNav() { return S().gpsDrivesNav; }
const char* WaypointId() { return S().waypointId; }
double WaypointDistance() { return S().waypointDistance; }
int32_t WaypointBearing() { return S().waypointBearing; }
int32_t ZuluHour() { return S().zuluHour; }
int32_t ZuluMinute() { return S().zuluMinute; }

const char* ZuluClockText() {
    thread_local char text[24];
    std::snprintf(text, sizeof text, "%02d:%02d", ZuluHour(), ZuluMinute());
    return text;
}

int32_t AutopilotOn() { return S().autopilotOn; }
int32_t ApWingLeveler() { return S().apWingLeveler; }
int32_t ApNavHold() { return S().apNavHold; }
int32_t ApHeadingHold() { return S().apHeadingHold; }
double ApHeading() { return S().apHeading; }
int32_t ApAltitudeHold() { return S().apAltitudeHold; }
int32_t ApAltitude() { return S().apAltitude; }
int32_t ApGlideslopeHold() { return S().apGlideslopeHold; }
int32_t ApApproachHold() { return S().apApproachHold; }
int32_t YawDamper() { return S().yawDamper; }
int32_t ApSpeedHold() { return S().apSpeedHold; }
int32_t ApSpeed() { return S().apSpeed; }
int32_t ApMachHold() { return S().apMachHold; }
double ApMach() { return S().apMach; }
int32_t AutothrottleArmed() { return S().autothrottleArmed; }
int32_t FlightDirectorOn() { return S().flightDirectorOn; }
double FlightDirectorPitch() { return S().flightDirectorPitch; }
double FlightDirectorBank() { return S().flightDirectorBank; }
int32_t DecisionHeight() { return S().decisionHeight; }

int32_t ParkingBrake() { return S().parkingBrake; }
int32_t SpoilersArmed() { return S().spoilersArmed; }
double SpoilerLeft() { return S().spoilerLeft; }
double SpoilerRight() { return S().spoilerRight; }
double FlapHandle() { return S().flapHandle; }
double FlapAngle() { return S().flapAngle; }
double SlatAngle() { return S().slatAngle; }
int32_t GearState(int leg) { return leg >= 0 && leg < kGearLegs ? S().gearState[leg] : 0; }
bool GearAllUp() { return S().gearAllUp; }
bool GearAllDown() { return S().gearAllDown; }
int32_t LandingLights() { return S().landingLights; }
int32_t TaxiLights() { return S().taxiLights; }
bool DoorOpenA() { return S().doorOpenA; }
bool DoorOpenB() { return S().doorOpenB; }
bool DoorOpenC() { return S().doorOpenC; }
bool DoorOpenD() { return S().doorOpenD; }
int32_t StallWarning() { return S().stallWarning; }
int32_t OverspeedWarning() { return S().overspeedWarning; }
int32_t ElecAlertSource() { return S().elecAlertSource; }
int32_t VacuumAlertA() { return S().vacuumAlertA; }
int32_t VacuumAlertB() { return S().vacuumAlertB; }
int32_t OilAlertSource() { return S().oilAlertSource; }
bool HydraulicLost() { return S().hydraulicLost; }
int32_t SeatBeltsSign() { return S().seatBeltsSign; }
int32_t NoSmokingSign() { return S().noSmokingSign; }

double N1(int i) { return engine(i).n1; }
double N2(int i) { return engine(i).n2; }
double EPR(int i) { return engine(i).epr; }
double ITT(int i) { return engine(i).itt; }
double FF(int i) { return engine(i).ff; }
double FFMetric(int i) { return engine(i).ffMetric; }
double Vib(int i) { return engine(i).vib; }
double Torque(int i) { return engine(i).torque; }
double OilQty(int i) { return engine(i).oilQty; }
double EGT(int i) { return engine(i).egt; }
double OilTemp(int i) { return engine(i).oilTemp; }
double OilPress(int i) { return engine(i).oilPress; }
int32_t GeneratorOn(int i) { return engine(i).generatorOn; }
double HydPress(int i) { return engine(i).hydPress; }
double HydQty(int i) { return engine(i).hydQty; }
double FuelPress(int i) { return engine(i).fuelPress; }
int32_t EngineFire(int i) { return engine(i).engineFire; }
bool EngineRunning(int i) { return engine(i).engineRunning; }
double CEPR(int i) { return engine(i).cepr; }
double EngineStartCounter(int i) { return engine(i).startCounter; }

double LeftFuel() { return S().leftFuel; }
double RightFuel() { return S().rightFuel; }
double CenterFuel() { return S().centerFuel; }
double TotalFuel() { return S().totalFuel; }
double LeftFuelKg() { return S().leftFuel * kKgPerPound; }
double RightFuelKg() { return S().rightFuel * kKgPerPound; }
double CenterFuelKg() { return S().centerFuel * kKgPerPound; }
double TotalFuelKg() { return S().totalFuel * kKgPerPound; }
double ApuRPM() { return S().apuRpm; }
double ApuEGT() { return S().apuEgt; }

bool IsPowered() {
    const SimSnapshot& s = S();
    // The gauge thread asks the host afresh; a bound copy keeps its sample.
    const bool fresh = &s == &liveSnapshot() && hostPanels() != nullptr;
    const double master = fresh ? readVarNumber(tok::kBatteryMaster) : s.batteryMaster;
    const int count = s.engineCount < kEngineSlots ? s.engineCount : kEngineSlots;
    for (int i = 0; i < count; ++i) {
        if (s.engines[i].startCounter > 13.0) return true;
    }
    return master != 0.0;
}

int32_t LightingMode() { return S().lightingMode; }
bool IsNightLighting() { return LightingMode() == 4; }
bool IsDuskLighting() { return LightingMode() == 2; }

}  // namespace zentra
