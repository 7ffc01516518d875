#include "zentra/simdata/sampler.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "zentra/simdata/host_reader.h"
#include "zentra/simdata/sim_snapshot.h"
#include "zentra/simdata/sim_tokens.h"

namespace zentra {

namespace {

constexpr double kRadPerDeg = 0.017453292519943295;
constexpr double kDegPerRad = 57.29577951308232;
constexpr double kFeetPerMeter = 3.2808;
constexpr double kKgPerPound = 0.4536;

struct CeprMapping {
    double n1Low = 25.0;
    double n1High = 100.0;
    double ceprLow = 1.0;
    double ceprHigh = 1.8;
};

CeprMapping gCepr;
double gGroundReference = 0.0;  // altitude (m) at the last ground contact

double mv(int32_t token) { return readVarNumber(token); }
int32_t mvInt(int32_t token) { return truncToInt(readVarNumber(token)); }

double rankineToCelsius(double rankine) { return (rankine - 459.67 - 32.0) * 0.5555555555555556; }

void copyText(const char* text, char* out) {
    if (text == nullptr) {
        out[0] = '\0';
        return;
    }
    const size_t n = strnlen(text, kSnapshotTextSize - 1);
    std::memcpy(out, text, n);
    out[n] = '\0';
}

int gearLeg(double value) {
    if (value == 0.0) return 0;
    if (value == 16383.0) return 2;
    return 1;
}

int nibble(int word, int shift) { return (word >> shift) & 0xF; }

void sampleAirData(SimSnapshot& s) {
    s.simTime = mv(tok::kSimTime);
    s.onGround = mvInt(tok::kOnGround);
    s.engineCount = mvInt(tok::kEngineCount);
    s.indicatedAirspeed = mv(tok::kIndicatedAirspeed);
    s.trueAirspeed = readAircraftVar(tok::kAvTrueAirspeed, "knot", 0);
    s.mach = mv(tok::kMach) * 4.8828125e-05;
    s.maximumSpeed = mv(tok::kMaximumSpeed) * 0.0078125;
    s.minimumSpeed = 0.0;
    s.verticalSpeed = mv(tok::kVerticalSpeed) * 0.768946875;
    s.indicatedAltitude = mv(tok::kIndicatedAltitude);
    s.indicatedAltitudeInt = truncToInt(s.indicatedAltitude);

    // The ground reference follows the aircraft while it is on the ground.
    const double altitudeMeters = mv(tok::kAltitudeMeters);
    if (s.onGround != 0) gGroundReference = altitudeMeters;
    s.heightAboveLastGround = (altitudeMeters - gGroundReference) * kFeetPerMeter;
    s.heightAboveLastGroundInt = halfUp(s.heightAboveLastGround);

    s.groundElevation = mv(tok::kGroundElevation) * 0.012815625;
    s.baroSettingMb = mv(tok::kBaroSettingMb);
    s.baroSettingInHg = mv(tok::kBaroSettingInHg);
    s.staticAirTemperature = halfUp(mv(tok::kStaticAirTemperature));
    s.totalAirTemperature = halfUp(mv(tok::kTotalAirTemperature) * 256.0);
    s.windSpeed = mvInt(tok::kWindSpeed);
    s.windDirection =
        std::fmod(mv(tok::kWindDirection) - mv(tok::kMagneticVariation) + 360.0, 360.0);
    s.windDirectionInt = halfUp(s.windDirection);
}

void sampleAttitude(SimSnapshot& s) {
    s.pitchAngle = mv(tok::kPitch);
    s.bankAngle = mv(tok::kBank) * -1.0;
    s.heading = mv(tok::kHeading);
    s.trueHeading = mv(tok::kTrueHeading);
    s.trueHeadingRad = s.trueHeading * kRadPerDeg;
    s.slipBall = mv(tok::kSlipBall) * 0.007874015748031496;
    const double groundVelocity = mv(tok::kGroundVelocity);
    const double lateralVelocity = mv(tok::kLateralVelocity);
    s.groundSpeed = groundVelocity * 0.5926355;
    s.groundSpeedMps = groundVelocity * 0.30480370641307;
    s.gpsGroundSpeed = mv(tok::kGpsGroundSpeed) * 1.9443185484;
    s.aircraftPosition.latitude = mv(tok::kLatitude) * 360.0 * 2.4995625765491038e-08;
    s.aircraftPosition.longitude = mv(tok::kLongitude) * 360.0 * 3.552713678800501e-15;
    s.aircraftPosition.altitude = mv(tok::kAltitude) * kFeetPerMeter;

    const double a =
        groundVelocity > 10.0 ? std::atan2(groundVelocity, lateralVelocity) : 1.5707963705062866;
    s.driftAngle = 90.0 - kDegPerRad * a;
    s.flightPathAngle = std::atan2(mv(tok::kVerticalSpeed) * 0.00390625, s.groundSpeedMps);
}

void sampleRadios(SimSnapshot& s) {
    formatNavFrequency(readVarWord(tok::kNav1Frequency), s.nav1FrequencyText, kSnapshotTextSize);
    formatNavFrequency(readVarWord(tok::kNav2Frequency), s.nav2FrequencyText, kSnapshotTextSize);
    formatAdfFrequency(readVarWord(tok::kAdfFrequency), readVarWord(tok::kAdfFrequencyExt),
                       s.adfFrequencyText, kSnapshotTextSize);
    copyText(readVarText(tok::kNav1Ident), s.navIdent[0]);
    copyText(readVarText(tok::kNav2Ident), s.navIdent[1]);
    s.navCourse[0] = mvInt(tok::kNav1Course);
    s.navCourse[1] = mvInt(tok::kNav2Course);
    s.navDmeDistance[0] = mv(tok::kNav1Dme);
    s.navDmeDistance[1] = mv(tok::kNav2Dme);
    s.navFlag[0] = mvInt(tok::kNav1Flag);
    s.navFlag[1] = mvInt(tok::kNav2Flag);
    s.vor1Bearing = mv(tok::kVor1Bearing);
    s.vor2Bearing = mv(tok::kVor2Bearing);
    copyText(readVarText(tok::kAdfIdent), s.adfIdent);
    s.adfSignal = mvInt(tok::kAdfSignal);
    s.adfRelativeBearing = mv(tok::kAdfRelativeBearing);
    s.adfBearing = std::fmod(s.adfRelativeBearing + s.heading + 360.0, 360.0);
    s.hsiCdiNeedle = mv(tok::kHsiCdiNeedle);
    s.hsiCdiNeedleB = mv(tok::kHsiCdiNeedle);
    s.hsiGsiNeedle = mv(tok::kHsiGsiNeedle);
    s.hsiCdiValid = mvInt(tok::kHsiCdiValid);
    s.hsiGsiValid = mvInt(tok::kHsiGsiValid);
    s.hsiToFromFlag = mvInt(tok::kHsiToFromFlag);
    const double marker = mv(tok::kMarker);
    s.outerMarker = marker == 1.0;
    s.middleMarker = marker == 2.0;
    s.innerMarker = marker == 3.0;
    s.gpsDrivesNav = mvInt(tok::kGpsDrivesNav);
    copyText(readVarText(tok::kWaypointId), s.waypointId);
    s.waypointDistance = mv(tok::kWaypointDistance) * 0.00054;
    s.waypointBearing = truncToInt(mv(tok::kWaypointBearing) * kDegPerRad);
    s.zuluHour = mvInt(tok::kZuluHour);
    s.zuluMinute = mvInt(tok::kZuluMinute);
}

void sampleAutopilot(SimSnapshot& s) {
    s.autopilotOn = mvInt(tok::kAutopilotOn);
    s.apWingLeveler = mvInt(tok::kApWingLeveler);
    s.apNavHold = mvInt(tok::kApNavHold);
    s.apHeadingHold = mvInt(tok::kApHeadingHold);
    s.apHeading = mv(tok::kApHeading);
    s.apAltitudeHold = mvInt(tok::kApAltitudeHold);
    s.apAltitude = mvInt(tok::kApAltitude);
    s.apGlideslopeHold = mvInt(tok::kApGlideslopeHold);
    s.apApproachHold = mvInt(tok::kApApproachHold);
    s.yawDamper = mvInt(tok::kYawDamper);
    s.apSpeedHold = mvInt(tok::kApSpeedHold);
    s.apSpeed = mvInt(tok::kApSpeed);
    s.apMachHold = mvInt(tok::kApMachHold);
    s.apMach = mv(tok::kApMach);
    s.autothrottleArmed = mvInt(tok::kAutothrottleArmed);
    s.flightDirectorOn = mvInt(tok::kFlightDirectorOn);
    s.flightDirectorPitch = mv(tok::kFlightDirectorPitch);
    s.flightDirectorBank = mv(tok::kFlightDirectorBank);
    s.decisionHeight = mvInt(tok::kDecisionHeight);
}

void sampleAirframe(SimSnapshot& s) {
    s.parkingBrake = mvInt(tok::kParkingBrake);
    s.spoilersArmed = mvInt(tok::kSpoilersArmed);
    s.spoilerLeft = mv(tok::kSpoilerLeft);
    s.spoilerRight = mv(tok::kSpoilerRight);
    s.flapHandle = mv(tok::kFlapHandle);
    s.flapAngle = readAircraftVar(tok::kAvFlapAngle, "degree", 0);
    s.slatAngle = readAircraftVar(tok::kAvSlatAngle, "degree", 0);
    s.gearState[0] = gearLeg(mv(tok::kGearLeg0));
    s.gearState[1] = gearLeg(mv(tok::kGearLeg1));
    s.gearState[2] = gearLeg(mv(tok::kGearLeg2));
    s.gearAllUp = s.gearState[0] == 0 && s.gearState[1] == 0 && s.gearState[2] == 0;
    s.gearAllDown = s.gearState[0] == 2 && s.gearState[1] == 2 && s.gearState[2] == 2;
    s.landingLights = mvInt(tok::kLandingLights);
    s.taxiLights = mvInt(tok::kTaxiLights);
    s.doorOpenA = mv(tok::kDoorA) > 0.0;
    s.doorOpenB = readAircraftVar(tok::kAvDoorB, "number", 1) > 0.0;
    s.doorOpenC = mv(tok::kDoorC) > 0.0;
    s.doorOpenD = mv(tok::kDoorD) > 0.0;
    s.stallWarning = mvInt(tok::kStallWarning);
    s.overspeedWarning = mvInt(tok::kOverspeedWarning);
    s.elecAlertSource = mvInt(tok::kElecAlert);
    s.vacuumAlertA = mvInt(tok::kVacuumAlertA);
    s.vacuumAlertB = mvInt(tok::kVacuumAlertB);
    s.oilAlertSource = mvInt(tok::kOilAlert);
    s.hydraulicLost = mvInt(tok::kHydraulics) == 0;
    s.seatBeltsSign = 0;
    s.noSmokingSign = 0;
    s.batteryMaster = mv(tok::kBatteryMaster);
}

void sampleEngine(SimSnapshot& s, int i) {
    EngineSample& e = s.engines[i];
    e.n1 = mv(tok::kN1 + tok::kEngineStride19 * i);
    e.n2 = mv(tok::kN2 + tok::kEngineStride19 * i);
    e.epr = mv(tok::kEpr + tok::kEngineStride19 * i);
    e.itt = rankineToCelsius(mv(tok::kItt + tok::kEngineStride19 * i));
    e.ff = mv(tok::kFuelFlow + tok::kEngineStride19 * i);
    e.ffMetric = e.ff * kKgPerPound;
    e.vib = mv(tok::kVib + tok::kEngineStride19 * i);
    e.torque = mv(tok::kTorque + tok::kEngineStride35 * i);
    e.oilQty = mv(tok::kOilQty + tok::kEngineStride35 * i) * 0.006103515625;
    e.egt = rankineToCelsius(mv(tok::kEgt + tok::kEngineStride10 * i));
    e.oilTemp = rankineToCelsius(mv(tok::kOilTemp + tok::kEngineStride10 * i));
    e.oilPress = mv(tok::kOilPress + tok::kEngineStride10 * i) * 0.00335693359375;
    e.generatorOn = mvInt(tok::kGenerator + tok::kEngineStride10 * i);
    e.hydPress = mv(tok::kHydPress + tok::kEngineStride2 * i) * 0.00047881254488867607;
    e.hydQty = mv(tok::kHydQty + tok::kEngineStride2 * i) * 100.0;
    e.fuelPress = mv(tok::kFuelPress + i);
    e.engineFire = mvInt(tok::kEngineFire + i);
    e.engineRunning = e.n1 > 1.0;

    // The start counter climbs one per frame while the engine runs up, and
    // falls one per frame only once the engine has stopped.
    const double d = mv(tok::kEngineStartState + 2 * i);
    if (e.startCounter < d * 4.17 && d > 13.0) e.startCounter += 1.0;
    if (e.startCounter > 0.0 && d == 0.0) e.startCounter -= 1.0;
}

void sampleFuel(SimSnapshot& s) {
    const double weightPerGallon = mv(tok::kFuelWeightPerGallon);
    for (int t = 0; t < kFuelTanks; ++t) {
        const double level = mv(tok::kFuelTankTokens[t][0]);
        const double capacity = mv(tok::kFuelTankTokens[t][1]);
        s.fuelTank[t] = level * 1.1920930376163766e-07 * capacity * weightPerGallon;
    }
    s.leftFuel = s.fuelTank[0] + s.fuelTank[1] + s.fuelTank[2];
    s.rightFuel = s.fuelTank[3] + s.fuelTank[4] + s.fuelTank[5];
    s.centerFuel = s.fuelTank[6];
    s.totalFuel = 0.0;
    for (double tank : s.fuelTank) s.totalFuel += tank;
    s.apuRpm = 0.0;
    s.apuEgt = 0.0;
}

double ceprOf(double n1) {
    const CeprMapping& m = gCepr;
    const double c = (n1 - m.n1Low) / (m.n1High - m.n1Low) * (m.ceprHigh - m.ceprLow) + m.ceprLow;
    if (!(c > m.ceprLow)) return m.ceprLow;  // also a degenerate N1 range
    if (c >= m.ceprHigh) return m.ceprHigh;
    return c;
}

}  // namespace

void formatNavFrequency(int word, char* out, int size) {
    std::snprintf(out, static_cast<size_t>(size), "1%d%d.%d%d0", nibble(word, 12), nibble(word, 8),
                  nibble(word, 4), nibble(word, 0));
}

void formatAdfFrequency(int mainWord, int extWord, char* out, int size) {
    std::snprintf(out, static_cast<size_t>(size), "%d%d%d%d.%d0", nibble(extWord, 8),
                  nibble(mainWord, 8), nibble(mainWord, 4), nibble(mainWord, 0),
                  nibble(extWord, 0));
}

void SetCeprMapping(double n1Low, double n1High, double ceprLow, double ceprHigh) {
    gCepr = CeprMapping{n1Low, n1High, ceprLow, ceprHigh};
}

void sampleFrame() {
    SimSnapshot& s = liveSnapshot();
    sampleAirData(s);
    sampleAttitude(s);
    sampleRadios(s);
    sampleAutopilot(s);
    sampleAirframe(s);

    int32_t lighting = 0;
    s.lightingMode = readCalculatorInt("(P:PANEL LIGHTING MODE, enum)", &lighting) ? lighting : 0;

    for (int i = 0; i < kEngineSlots; ++i) sampleEngine(s, i);
    sampleFuel(s);
    for (int i = 0; i < kEngineSlots; ++i) {
        s.engines[i].cepr = i < s.engineCount ? ceprOf(s.engines[i].n1) : 0.0;
    }
}

}  // namespace zentra
