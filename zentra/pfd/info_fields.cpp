#include "zentra/pfd/info_fields.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "zentra/draw/display_text.h"
#include "zentra/draw/text_anchor.h"
#include "zentra/pfd/pfd_group_slots.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace s = pfd_slots;

namespace {

std::wstring widen(const char* text) { return toDisplayText(text); }

std::wstring format(const char* fmt, double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, fmt, v);
    return toDisplayText(buf);
}

std::wstring decimal(int64_t v) { return std::to_wstring(v); }

// Whole-number part of a reading; what is not a number reads 0.
int64_t whole(double v) {
    if (!std::isfinite(v) || std::fabs(v) > 9e15) return 0;
    return int64_t(std::trunc(v));
}

int32_t readInt(const uint8_t* block, size_t offset) {
    int32_t v = 0;
    std::memcpy(&v, block + offset, sizeof v);
    return v;
}

}  // namespace

PfdSharedSelections readPfdSharedSelections(const uint8_t* block) {
    PfdSharedSelections sel;
    if (block == nullptr) return sel;
    sel.present = true;
    sel.millibars = readInt(block, 20) == 1;
    sel.standard = readInt(block, 24) != 0;
    sel.mach = readInt(block, 28) == 1;
    return sel;
}

std::wstring machText(double mach) {
    std::wstring t = format("%.2f", mach);
    if (mach < 1 && !t.empty() && t[0] == L'0') t[0] = L' ';
    return t;
}

void InfoFields::layout(const PfdInfoSettings& info) {
    for (size_t i = 0; i < fields_.size(); ++i) {
        fields_[i] = InfoFieldState{};
        fields_[i].suffix = info.fields[i].suffix;
    }
}

void InfoFields::refresh(const PfdSettings& settings, const PfdSharedSelections& shared,
                         bool haveFlightPlan) {
    const PfdInfoSettings& info = settings.info;
    const auto set = [&](int i, std::wstring value, bool composed = true, bool visible = true) {
        InfoFieldState& f = fields_[size_t(i)];
        f.value = std::move(value);
        f.suffix = info.fields[size_t(i)].suffix;
        f.composed = composed;
        f.visible = visible;
    };
    const auto label = [&](int i) { return info.fields[size_t(i)].label; };
    const auto mode = [&](int i) { return info.fields[size_t(i)].display; };
    // Shown with a signal unless NEVER; without one only when ALWAYS.
    const auto shown = [&](int i, bool signal) {
        return signal ? mode(i) != DisplayCondition::Never : mode(i) == DisplayCondition::Always;
    };

    const bool apOn = AutopilotOn() != 0;
    set(kInfoAP, apOn ? label(kInfoAP) : L"", false);
    const bool fdUnderAp = info.fields[kInfoFD].position.x == info.fields[kInfoAP].position.x &&
                           info.fields[kInfoFD].position.y == info.fields[kInfoAP].position.y;
    set(kInfoFD, FlightDirectorOn() != 0 && !(fdUnderAp && apOn) ? label(kInfoFD) : L"", false);
    set(kInfoATHR, AutothrottleArmed() != 0 ? label(kInfoATHR) : L"", false);
    set(kInfoYawDamper, YawDamper() != 0 ? label(kInfoYawDamper) : L"", false);

    set(kInfoAPSpeed, shared.mach ? machText(ApMach()) : decimal(ApSpeed()));
    set(kInfoAPAltitude, decimal(ApAltitude()));
    set(kInfoAPHeading, format("%03.0f", double(whole(ApHeading()))));
    if (Mach() >= info.machMin) {
        set(kInfoMach, machText(Mach()));
    } else {
        set(kInfoMach, L"", false);
    }
    set(kInfoGS, decimal(whole(GroundSpeed())));
    set(kInfoTAS, decimal(whole(TrueAirspeed())));
    set(kInfoDH, decimal(DecisionHeight()), true,
        HeightAboveLastGroundInt() <= settings.radioAltitudeLimit);

    if (shared.standard) {
        set(kInfoBaro, info.baroStandardLabel, false);
    } else {
        // The block's unit selection overrides the configured format.
        const bool mb = shared.present ? shared.millibars : info.baroFormat == 2;
        if (mb) {
            set(kInfoBaro, format("%.0f", BaroSettingMb()));
            fields_[kInfoBaro].suffix = info.baroMbSuffix;
        } else {
            set(kInfoBaro, format("%.2f", BaroSettingInHg()));
            fields_[kInfoBaro].suffix = info.baroInHgSuffix;
        }
    }
    set(kInfoVS, decimal(whole(VerticalSpeed() * 0.01) * 100));

    for (int radio = 1; radio <= 2; ++radio) {
        const int id = radio == 1 ? kInfoVOR1Id : kInfoVOR2Id;
        const bool ident = NavIdent(radio)[0] != '\0';
        const double bearing = radio == 1 ? Vor1Bearing() : Vor2Bearing();
        if (ident) {
            set(id, widen(NavIdent(radio)), true, shown(id, true));
            set(id + 1, decimal(whole(bearing)), true, shown(id + 1, true));
        } else {
            set(id, widen(radio == 1 ? Nav1FrequencyText() : Nav2FrequencyText()), true,
                shown(id, false));
            set(id + 1, L"---", true, shown(id + 1, false));
        }
        const double dme = NavDmeDistance(radio);
        if (dme < 0) {
            set(id + 2, L"---.-", true, shown(id + 2, false));
        } else {
            set(id + 2, format("%.1f", dme), true, shown(id + 2, true));
        }
    }

    if (AdfSignal() == 0) {
        set(kInfoADFId, widen(AdfFrequencyText()), true, shown(kInfoADFId, false));
        set(kInfoADFBearing, L"---", true, shown(kInfoADFBearing, false));
    } else {
        set(kInfoADFId, widen(AdfIdent()), true, shown(kInfoADFId, true));
        set(kInfoADFBearing, decimal(whole(AdfBearing())), true, shown(kInfoADFBearing, true));
    }

    const bool waypoint = haveFlightPlan && WaypointId()[0] != '\0';
    if (waypoint) {
        set(kInfoWaypointId, widen(WaypointId()), true, shown(kInfoWaypointId, true));
        set(kInfoWaypointBearing, decimal(WaypointBearing()), true,
            shown(kInfoWaypointBearing, true));
        set(kInfoWaypointDistance, format("%.1f", WaypointDistance()), true,
            shown(kInfoWaypointDistance, true));
    } else {
        set(kInfoWaypointId, L"----", true, shown(kInfoWaypointId, false));
        set(kInfoWaypointBearing, L"---", true, shown(kInfoWaypointBearing, false));
        set(kInfoWaypointDistance, L"---.-", true, shown(kInfoWaypointDistance, false));
    }
    set(kInfoCourse, format("%03.0f", double(NavCourse(1))));
}

std::wstring InfoFields::text(const PfdInfoSettings& info, int i) const {
    const InfoFieldState& f = fields_[size_t(i)];
    if (!f.composed) return f.value.substr(0, kInfoPartLength);
    return composeInfoText(info.fields[size_t(i)].prefix, f.value, f.suffix);
}

void InfoFields::paint(PfdPaint& p) const {
    const PfdInfoSettings& info = p.settings.info;
    for (int i = 0; i < kPfdInfoFields; ++i) {
        if (!fields_[size_t(i)].visible) continue;
        const PfdInfoFieldSettings& f = info.fields[size_t(i)];
        drawAnchoredText(p.canvas, text(info, i), p.fonts.font(s::kInfoFontFirst + i), f.position,
                         f.alignment, p.format, p.styles.brush(s::kInfoFirst + i));
    }
}

}  // namespace zentra
