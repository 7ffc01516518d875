#include "zentra/pfd/pfd_groups.h"

#include "zentra/pfd/marker_beacons.h"
#include "zentra/pfd/radio_altitude.h"
#include "zentra/pfd/user_messages.h"

namespace zentra {

void PfdGroups::layout(PfdPaint& p, float logicalWidth) {
    const PfdSettings& s = p.settings;
    altitudeTape_.layout(s, logicalWidth);
    altitudeWindow_.layout(p);
    fma_.layout(p);
    deviation_.layout(s);
    verticalSpeed_.layout(p);
    hsi_.layout(s, p.quality);
    infoFields_.layout(s.info);
}

void PfdGroups::paintRadioAltitude(PfdPaint& p) { drawRadioAltitude(p); }

void PfdGroups::paintAltitudeGroup(PfdPaint& p) {
    if (p.settings.altitude.tape) altitudeTape_.paint(p);
    if (p.settings.altitude.window) altitudeWindow_.paint(p);
}

void PfdGroups::paintAnnunciations(PfdPaint& p) {
    fma_.paint(p);
    deviation_.paint(p);
    verticalSpeed_.paint(p);
}

void PfdGroups::paintHsi(PfdPaint& p) { hsi_.paint(p); }

void PfdGroups::paintMarkersAndFields(PfdPaint& p, const PfdSharedSelections& shared,
                                      bool haveFlightPlan) {
    drawMarkerBeacons(p);
    infoFields_.refresh(p.settings, shared, haveFlightPlan);
    infoFields_.paint(p);
    drawUserMessages(p);
}

}  // namespace zentra
