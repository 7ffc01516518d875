#include "zentra/simdata/snapshot_fields.h"

#include <cstdio>

#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

std::string number(double v) {
    char text[40];
    std::snprintf(text, sizeof text, "%.10g", v);
    return text;
}

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

std::string showSimTime(int) { return number(SimTime()); }
std::string showOnGround(int) { return number(OnGround()); }
std::string showEngineCount(int) { return number(EngineCount()); }
std::string showIndicatedAirspeed(int) { return number(IndicatedAirspeed()); }
std::string showTrueAirspeed(int) { return number(TrueAirspeed()); }
std::string showMach(int) { return number(Mach()); }
std::string showMaximumSpeed(int) { return number(MaximumSpeed()); }
std::string showMinimumSpeed(int) { return number(MinimumSpeed()); }
std::string showVerticalSpeed(int) { return number(VerticalSpeed()); }
std::string showIndicatedAltitude(int) { return number(IndicatedAltitude()); }
std::string showIndicatedAltitudeInt(int) { return number(IndicatedAltitudeInt()); }
std::string showHeightAboveLastGround(int) { return number(HeightAboveLastGround()); }
std::string showHeightAboveLastGroundInt(int) { return number(HeightAboveLastGroundInt()); }
std::string showGroundElevation(int) { return number(GroundElevation()); }
std::string showBaroSettingMb(int) { return number(BaroSettingMb()); }
std::string showBaroSettingInHg(int) { return number(BaroSettingInHg()); }
std::string showStaticAirTemperature(int) { return number(StaticAirTemperature()); }
std::string showTotalAirTemperature(int) { return number(TotalAirTemperature()); }
std::string showWindSpeed(int) { return number(WindSpeed()); }
std::string showWindDirection(int) { return number(WindDirection()); }
std::string showWindDirectionInt(int) { return number(WindDirectionInt()); }
std::string showPitchAngle(int) { return number(PitchAngle()); }
std::string showBankAngle(int) { return number(BankAngle()); }
std::string showHeading(int) { return number(Heading()); }
std::string showTrueHeading(int) { return number(TrueHeading()); }
std::string showTrueHeadingRad(int) { return number(TrueHeadingRad()); }
std::string showSlipBall(int) { return number(SlipBall()); }
std::string showGroundSpeed(int) { return number(GroundSpeed()); }
std::string showGroundSpeedMps(int) { return number(GroundSpeedMps()); }
std::string showGpsGroundSpeed(int) { return number(GpsGroundSpeed()); }
std::string showDriftAngle(int) { return number(DriftAngle()); }
std::string showFlightPathAngle(int) { return number(FlightPathAngle()); }
std::string showLatitude(int) { return number(AircraftPosition().latitude); }
std::string showLongitude(int) { return number(AircraftPosition().longitude); }
std::string showAltitude(int) { return number(AircraftPosition().altitude); }
std::string showNav1FrequencyText(int) { return std::string(Nav1FrequencyText()); }
std::string showNav2FrequencyText(int) { return std::string(Nav2FrequencyText()); }
std::string showAdfFrequencyText(int) { return std::string(AdfFrequencyText()); }
std::string showNavIdent(int i) { return std::string(NavIdent(i)); }
std::string showNavCourse(int i) { return number(NavCourse(i)); }
std::string showNavDmeDistance(int i) { return number(NavDmeDistance(i)); }
std::string showNavFlag(int i) { return number(NavFlag(i)); }
std::string showVor1Bearing(int) { return number(Vor1Bearing()); }
std::string showVor2Bearing(int) { return number(Vor2Bearing()); }
std::string showAdfIdent(int) { return std::string(AdfIdent()); }
std::string showAdfSignal(int) { return number(AdfSignal()); }
std::string showAdfRelativeBearing(int) { return number(AdfRelativeBearing()); }
std::string showAdfBearing(int) { return number(AdfBearing()); }
std::string showHsiCdiNeedle(int) { return number(HsiCdiNeedle()); }
std::string showHsiCdiNeedleB(int) { return number(HsiCdiNeedleB()); }
std::string showHsiGsiNeedle(int) { return number(HsiGsiNeedle()); }
std::string showHsiCdiValid(int) { return number(HsiCdiValid()); }
std::string showHsiGsiValid(int) { return number(HsiGsiValid()); }
std::string showHsiToFromFlag(int) { return number(HsiToFromFlag()); }
std::string showOuterMarker(int) { return number(OuterMarker()); }
std::string showMiddleMarker(int) { return number(MiddleMarker()); }
std::string showInnerMarker(int) { return number(InnerMarker()); }
std::string showGpsDrivesNav(int) { return number(GpsDrivesNav()); }
std::string showWaypointId(int) { return std::string(WaypointId()); }
std::string showWaypointDistance(int) { return number(WaypointDistance()); }
std::string showWaypointBearing(int) { return number(WaypointBearing()); }
std::string showZuluHour(int) { return number(ZuluHour()); }
std::string showZuluMinute(int) { return number(ZuluMinute()); }
std::string showZuluClockText(int) { return std::string(ZuluClockText()); }
std::string showAutopilotOn(int) { return number(AutopilotOn()); }
std::string showApWingLeveler(int) { return number(ApWingLeveler()); }
std::string showApNavHold(int) { return number(ApNavHold()); }
std::string showApHeadingHold(int) { return number(ApHeadingHold()); }
std::string showApHeading(int) { return number(ApHeading()); }
std::string showApAltitudeHold(int) { return number(ApAltitudeHold()); }
std::string showApAltitude(int) { return number(ApAltitude()); }
std::string showApGlideslopeHold(int) { return number(ApGlideslopeHold()); }
std::string showApApproachHold(int) { return number(ApApproachHold()); }
std::string showYawDamper(int) { return number(YawDamper()); }
std::string showApSpeedHold(int) { return number(ApSpeedHold()); }
std::string showApSpeed(int) { return number(ApSpeed()); }
std::string showApMachHold(int) { return number(ApMachHold()); }
std::string showApMach(int) { return number(ApMach()); }
std::string showAutothrottleArmed(int) { return number(AutothrottleArmed()); }
std::string showFlightDirectorOn(int) { return number(FlightDirectorOn()); }
std::string showFlightDirectorPitch(int) { return number(FlightDirectorPitch()); }
std::string showFlightDirectorBank(int) { return number(FlightDirectorBank()); }
std::string showDecisionHeight(int) { return number(DecisionHeight()); }
std::string showParkingBrake(int) { return number(ParkingBrake()); }
std::string showSpoilersArmed(int) { return number(SpoilersArmed()); }
std::string showSpoilerLeft(int) { return number(SpoilerLeft()); }
std::string showSpoilerRight(int) { return number(SpoilerRight()); }
std::string showFlapHandle(int) { return number(FlapHandle()); }
std::string showFlapAngle(int) { return number(FlapAngle()); }
std::string showSlatAngle(int) { return number(SlatAngle()); }
std::string showGearState(int i) { return number(GearState(i)); }
std::string showGearAllUp(int) { return number(GearAllUp()); }
std::string showGearAllDown(int) { return number(GearAllDown()); }
std::string showLandingLights(int) { return number(LandingLights()); }
std::string showTaxiLights(int) { return number(TaxiLights()); }
std::string showDoorOpenA(int) { return number(DoorOpenA()); }
std::string showDoorOpenB(int) { return number(DoorOpenB()); }
std::string showDoorOpenC(int) { return number(DoorOpenC()); }
std::string showDoorOpenD(int) { return number(DoorOpenD()); }
std::string showStallWarning(int) { return number(StallWarning()); }
std::string showOverspeedWarning(int) { return number(OverspeedWarning()); }
std::string showElecAlertSource(int) { return number(ElecAlertSource()); }
std::string showVacuumAlertA(int) { return number(VacuumAlertA()); }
std::string showVacuumAlertB(int) { return number(VacuumAlertB()); }
std::string showOilAlertSource(int) { return number(OilAlertSource()); }
std::string showHydraulicLost(int) { return number(HydraulicLost()); }
std::string showSeatBeltsSign(int) { return number(SeatBeltsSign()); }
std::string showNoSmokingSign(int) { return number(NoSmokingSign()); }
std::string showN1(int i) { return number(N1(i)); }
std::string showN2(int i) { return number(N2(i)); }
std::string showEPR(int i) { return number(EPR(i)); }
std::string showITT(int i) { return number(ITT(i)); }
std::string showFF(int i) { return number(FF(i)); }
std::string showFFMetric(int i) { return number(FFMetric(i)); }
std::string showVib(int i) { return number(Vib(i)); }
std::string showTorque(int i) { return number(Torque(i)); }
std::string showOilQty(int i) { return number(OilQty(i)); }
std::string showEGT(int i) { return number(EGT(i)); }
std::string showOilTemp(int i) { return number(OilTemp(i)); }
std::string showOilPress(int i) { return number(OilPress(i)); }
std::string showGeneratorOn(int i) { return number(GeneratorOn(i)); }
std::string showHydPress(int i) { return number(HydPress(i)); }
std::string showHydQty(int i) { return number(HydQty(i)); }
std::string showFuelPress(int i) { return number(FuelPress(i)); }
std::string showEngineFire(int i) { return number(EngineFire(i)); }
std::string showEngineRunning(int i) { return number(EngineRunning(i)); }
std::string showCEPR(int i) { return number(CEPR(i)); }
std::string showEngineStartCounter(int i) { return number(EngineStartCounter(i)); }
std::string showLeftFuel(int) { return number(LeftFuel()); }
std::string showRightFuel(int) { return number(RightFuel()); }
std::string showCenterFuel(int) { return number(CenterFuel()); }
std::string showTotalFuel(int) { return number(TotalFuel()); }
std::string showLeftFuelKg(int) { return number(LeftFuelKg()); }
std::string showRightFuelKg(int) { return number(RightFuelKg()); }
std::string showCenterFuelKg(int) { return number(CenterFuelKg()); }
std::string showTotalFuelKg(int) { return number(TotalFuelKg()); }
std::string showApuRPM(int) { return number(ApuRPM()); }
std::string showApuEGT(int) { return number(ApuEGT()); }
std::string showIsPowered(int) { return number(IsPowered()); }
std::string showLightingMode(int) { return number(LightingMode()); }
std::string showIsNightLighting(int) { return number(IsNightLighting()); }
std::string showIsDuskLighting(int) { return number(IsDuskLighting()); }

}  // namespace

const std::vector<SnapshotField>& snapshotFields() {
    static const std::vector<SnapshotField> fields = {
        {"SimTime", &showSimTime, 0, false},
        {"OnGround", &showOnGround, 0, false},
        {"EngineCount", &showEngineCount, 0, false},
        {"IndicatedAirspeed", &showIndicatedAirspeed, 0, false},
        {"TrueAirspeed", &showTrueAirspeed, 0, false},
        {"Mach", &showMach, 0, false},
        {"MaximumSpeed", &showMaximumSpeed, 0, false},
        {"MinimumSpeed", &showMinimumSpeed, 0, false},
        {"VerticalSpeed", &showVerticalSpeed, 0, false},
        {"IndicatedAltitude", &showIndicatedAltitude, 0, false},
        {"IndicatedAltitudeInt", &showIndicatedAltitudeInt, 0, false},
        {"HeightAboveLastGround", &showHeightAboveLastGround, 0, false},
        {"HeightAboveLastGroundInt", &showHeightAboveLastGroundInt, 0, false},
        {"GroundElevation", &showGroundElevation, 0, false},
        {"BaroSettingMb", &showBaroSettingMb, 0, false},
        {"BaroSettingInHg", &showBaroSettingInHg, 0, false},
        {"StaticAirTemperature", &showStaticAirTemperature, 0, false},
        {"TotalAirTemperature", &showTotalAirTemperature, 0, false},
        {"WindSpeed", &showWindSpeed, 0, false},
        {"WindDirection", &showWindDirection, 0, false},
        {"WindDirectionInt", &showWindDirectionInt, 0, false},
        {"PitchAngle", &showPitchAngle, 0, false},
        {"BankAngle", &showBankAngle, 0, false},
        {"Heading", &showHeading, 0, false},
        {"TrueHeading", &showTrueHeading, 0, false},
        {"TrueHeadingRad", &showTrueHeadingRad, 0, false},
        {"SlipBall", &showSlipBall, 0, false},
        {"GroundSpeed", &showGroundSpeed, 0, false},
        {"GroundSpeedMps", &showGroundSpeedMps, 0, false},
        {"GpsGroundSpeed", &showGpsGroundSpeed, 0, false},
        {"DriftAngle", &showDriftAngle, 0, false},
        {"FlightPathAngle", &showFlightPathAngle, 0, false},
        {"AircraftPosition.latitude", &showLatitude, 0, false},
        {"AircraftPosition.longitude", &showLongitude, 0, false},
        {"AircraftPosition.altitude", &showAltitude, 0, false},
        {"Nav1FrequencyText", &showNav1FrequencyText, 0, true},
        {"Nav2FrequencyText", &showNav2FrequencyText, 0, true},
        {"AdfFrequencyText", &showAdfFrequencyText, 0, true},
        {"NavIdent(1)", &showNavIdent, 1, true},
        {"NavIdent(2)", &showNavIdent, 2, true},
        {"NavCourse(1)", &showNavCourse, 1, false},
        {"NavCourse(2)", &showNavCourse, 2, false},
        {"NavDmeDistance(1)", &showNavDmeDistance, 1, false},
        {"NavDmeDistance(2)", &showNavDmeDistance, 2, false},
        {"NavFlag(1)", &showNavFlag, 1, false},
        {"NavFlag(2)", &showNavFlag, 2, false},
        {"Vor1Bearing", &showVor1Bearing, 0, false},
        {"Vor2Bearing", &showVor2Bearing, 0, false},
        {"AdfIdent", &showAdfIdent, 0, true},
        {"AdfSignal", &showAdfSignal, 0, false},
        {"AdfRelativeBearing", &showAdfRelativeBearing, 0, false},
        {"AdfBearing", &showAdfBearing, 0, false},
        {"HsiCdiNeedle", &showHsiCdiNeedle, 0, false},
        {"HsiCdiNeedleB", &showHsiCdiNeedleB, 0, false},
        {"HsiGsiNeedle", &showHsiGsiNeedle, 0, false},
        {"HsiCdiValid", &showHsiCdiValid, 0, false},
        {"HsiGsiValid", &showHsiGsiValid, 0, false},
        {"HsiToFromFlag", &showHsiToFromFlag, 0, false},
        {"OuterMarker", &showOuterMarker, 0, false},
        {"MiddleMarker", &showMiddleMarker, 0, false},
        {"InnerMarker", &showInnerMarker, 0, false},
        {"GpsDrivesNav", &showGpsDrivesNav, 0, false},
        {"WaypointId", &showWaypointId, 0, true},
        {"WaypointDistance", &showWaypointDistance, 0, false},
        {"WaypointBearing", &showWaypointBearing, 0, false},
        {"ZuluHour", &showZuluHour, 0, false},
        {"ZuluMinute", &showZuluMinute, 0, false},
        {"ZuluClockText", &showZuluClockText, 0, true},
        {"AutopilotOn", &showAutopilotOn, 0, false},
        {"ApWingLeveler", &showApWingLeveler, 0, false},
        {"ApNavHold", &showApNavHold, 0, false},
        {"ApHeadingHold", &showApHeadingHold, 0, false},
        {"ApHeading", &showApHeading, 0, false},
        {"ApAltitudeHold", &showApAltitudeHold, 0, false},
        {"ApAltitude", &showApAltitude, 0, false},
        {"ApGlideslopeHold", &showApGlideslopeHold, 0, false},
        {"ApApproachHold", &showApApproachHold, 0, false},
        {"YawDamper", &showYawDamper, 0, false},
        {"ApSpeedHold", &showApSpeedHold, 0, false},
        {"ApSpeed", &showApSpeed, 0, false},
        {"ApMachHold", &showApMachHold, 0, false},
        {"ApMach", &showApMach, 0, false},
        {"AutothrottleArmed", &showAutothrottleArmed, 0, false},
        {"FlightDirectorOn", &showFlightDirectorOn, 0, false},
        {"FlightDirectorPitch", &showFlightDirectorPitch, 0, false},
        {"FlightDirectorBank", &showFlightDirectorBank, 0, false},
        {"DecisionHeight", &showDecisionHeight, 0, false},
        {"ParkingBrake", &showParkingBrake, 0, false},
        {"SpoilersArmed", &showSpoilersArmed, 0, false},
        {"SpoilerLeft", &showSpoilerLeft, 0, false},
        {"SpoilerRight", &showSpoilerRight, 0, false},
        {"FlapHandle", &showFlapHandle, 0, false},
        {"FlapAngle", &showFlapAngle, 0, false},
        {"SlatAngle", &showSlatAngle, 0, false},
        {"GearState(0)", &showGearState, 0, false},
        {"GearState(1)", &showGearState, 1, false},
        {"GearState(2)", &showGearState, 2, false},
        {"GearAllUp", &showGearAllUp, 0, false},
        {"GearAllDown", &showGearAllDown, 0, false},
        {"LandingLights", &showLandingLights, 0, false},
        {"TaxiLights", &showTaxiLights, 0, false},
        {"DoorOpenA", &showDoorOpenA, 0, false},
        {"DoorOpenB", &showDoorOpenB, 0, false},
        {"DoorOpenC", &showDoorOpenC, 0, false},
        {"DoorOpenD", &showDoorOpenD, 0, false},
        {"StallWarning", &showStallWarning, 0, false},
        {"OverspeedWarning", &showOverspeedWarning, 0, false},
        {"ElecAlertSource", &showElecAlertSource, 0, false},
        {"VacuumAlertA", &showVacuumAlertA, 0, false},
        {"VacuumAlertB", &showVacuumAlertB, 0, false},
        {"OilAlertSource", &showOilAlertSource, 0, false},
        {"HydraulicLost", &showHydraulicLost, 0, false},
        {"SeatBeltsSign", &showSeatBeltsSign, 0, false},
        {"NoSmokingSign", &showNoSmokingSign, 0, false},
        {"N1(0)", &showN1, 0, false},
        {"N1(1)", &showN1, 1, false},
        {"N1(2)", &showN1, 2, false},
        {"N1(3)", &showN1, 3, false},
        {"N2(0)", &showN2, 0, false},
        {"N2(1)", &showN2, 1, false},
        {"N2(2)", &showN2, 2, false},
        {"N2(3)", &showN2, 3, false},
        {"EPR(0)", &showEPR, 0, false},
        {"EPR(1)", &showEPR, 1, false},
        {"EPR(2)", &showEPR, 2, false},
        {"EPR(3)", &showEPR, 3, false},
        {"ITT(0)", &showITT, 0, false},
        {"ITT(1)", &showITT, 1, false},
        {"ITT(2)", &showITT, 2, false},
        {"ITT(3)", &showITT, 3, false},
        {"FF(0)", &showFF, 0, false},
        {"FF(1)", &showFF, 1, false},
        {"FF(2)", &showFF, 2, false},
        {"FF(3)", &showFF, 3, false},
        {"FFMetric(0)", &showFFMetric, 0, false},
        {"FFMetric(1)", &showFFMetric, 1, false},
        {"FFMetric(2)", &showFFMetric, 2, false},
        {"FFMetric(3)", &showFFMetric, 3, false},
        {"Vib(0)", &showVib, 0, false},
        {"Vib(1)", &showVib, 1, false},
        {"Vib(2)", &showVib, 2, false},
        {"Vib(3)", &showVib, 3, false},
        {"Torque(0)", &showTorque, 0, false},
        {"Torque(1)", &showTorque, 1, false},
        {"Torque(2)", &showTorque, 2, false},
        {"Torque(3)", &showTorque, 3, false},
        {"OilQty(0)", &showOilQty, 0, false},
        {"OilQty(1)", &showOilQty, 1, false},
        {"OilQty(2)", &showOilQty, 2, false},
        {"OilQty(3)", &showOilQty, 3, false},
        {"EGT(0)", &showEGT, 0, false},
        {"EGT(1)", &showEGT, 1, false},
        {"EGT(2)", &showEGT, 2, false},
        {"EGT(3)", &showEGT, 3, false},
        {"OilTemp(0)", &showOilTemp, 0, false},
        {"OilTemp(1)", &showOilTemp, 1, false},
        {"OilTemp(2)", &showOilTemp, 2, false},
        {"OilTemp(3)", &showOilTemp, 3, false},
        {"OilPress(0)", &showOilPress, 0, false},
        {"OilPress(1)", &showOilPress, 1, false},
        {"OilPress(2)", &showOilPress, 2, false},
        {"OilPress(3)", &showOilPress, 3, false},
        {"GeneratorOn(0)", &showGeneratorOn, 0, false},
        {"GeneratorOn(1)", &showGeneratorOn, 1, false},
        {"GeneratorOn(2)", &showGeneratorOn, 2, false},
        {"GeneratorOn(3)", &showGeneratorOn, 3, false},
        {"HydPress(0)", &showHydPress, 0, false},
        {"HydPress(1)", &showHydPress, 1, false},
        {"HydPress(2)", &showHydPress, 2, false},
        {"HydPress(3)", &showHydPress, 3, false},
        {"HydQty(0)", &showHydQty, 0, false},
        {"HydQty(1)", &showHydQty, 1, false},
        {"HydQty(2)", &showHydQty, 2, false},
        {"HydQty(3)", &showHydQty, 3, false},
        {"FuelPress(0)", &showFuelPress, 0, false},
        {"FuelPress(1)", &showFuelPress, 1, false},
        {"FuelPress(2)", &showFuelPress, 2, false},
        {"FuelPress(3)", &showFuelPress, 3, false},
        {"EngineFire(0)", &showEngineFire, 0, false},
        {"EngineFire(1)", &showEngineFire, 1, false},
        {"EngineFire(2)", &showEngineFire, 2, false},
        {"EngineFire(3)", &showEngineFire, 3, false},
        {"EngineRunning(0)", &showEngineRunning, 0, false},
        {"EngineRunning(1)", &showEngineRunning, 1, false},
        {"EngineRunning(2)", &showEngineRunning, 2, false},
        {"EngineRunning(3)", &showEngineRunning, 3, false},
        {"CEPR(0)", &showCEPR, 0, false},
        {"CEPR(1)", &showCEPR, 1, false},
        {"CEPR(2)", &showCEPR, 2, false},
        {"CEPR(3)", &showCEPR, 3, false},
        {"EngineStartCounter(0)", &showEngineStartCounter, 0, false},
        {"EngineStartCounter(1)", &showEngineStartCounter, 1, false},
        {"EngineStartCounter(2)", &showEngineStartCounter, 2, false},
        {"EngineStartCounter(3)", &showEngineStartCounter, 3, false},
        {"LeftFuel", &showLeftFuel, 0, false},
        {"RightFuel", &showRightFuel, 0, false},
        {"CenterFuel", &showCenterFuel, 0, false},
        {"TotalFuel", &showTotalFuel, 0, false},
        {"LeftFuelKg", &showLeftFuelKg, 0, false},
        {"RightFuelKg", &showRightFuelKg, 0, false},
        {"CenterFuelKg", &showCenterFuelKg, 0, false},
        {"TotalFuelKg", &showTotalFuelKg, 0, false},
        {"ApuRPM", &showApuRPM, 0, false},
        {"ApuEGT", &showApuEGT, 0, false},
        {"IsPowered", &showIsPowered, 0, false},
        {"LightingMode", &showLightingMode, 0, false},
        {"IsNightLighting", &showIsNightLighting, 0, false},
        {"IsDuskLighting", &showIsDuskLighting, 0, false},
    };
    return fields;
}

std::string snapshotCsvHeader() {
    std::string line;
    for (const SnapshotField& f : snapshotFields()) {
        if (!line.empty()) line += ',';
        line += f.name;
    }
    return line;
}

std::string snapshotCsvRow() {
    std::string line;
    bool first = true;
    for (const SnapshotField& f : snapshotFields()) {
        if (!first) line += ',';
        first = false;
        const std::string value = f.format(f.index);
        line += f.isText ? quoted(value) : value;
    }
    return line;
}

}  // namespace zentra
