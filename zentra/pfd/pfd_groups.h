#pragma once
// The PFD's altitude, annunciation, HSI and info groups, laid out together
// and painted in their places of the PFD's paint order.
#include "zentra/pfd/altitude_tape.h"
#include "zentra/pfd/altitude_window.h"
#include "zentra/pfd/deviation_display.h"
#include "zentra/pfd/hsi_display.h"
#include "zentra/pfd/info_fields.h"
#include "zentra/pfd/mode_annunciator.h"
#include "zentra/pfd/vertical_speed.h"

namespace zentra {

class PfdGroups {
  public:
    // After a layout change; measures text, so it needs the canvas.
    void layout(PfdPaint& p, float logicalWidth);

    void paintRadioAltitude(PfdPaint& p);
    void paintAltitudeGroup(PfdPaint& p);
    // Mode annunciator, deviation scales, vertical speed.
    void paintAnnunciations(PfdPaint& p);
    void paintHsi(PfdPaint& p);
    // Marker beacons, info fields and user messages.
    void paintMarkersAndFields(PfdPaint& p, const PfdSharedSelections& shared, bool haveFlightPlan);

    const AltitudeTape& altitudeTape() const { return altitudeTape_; }
    const InfoFields& infoFields() const { return infoFields_; }

  private:
    AltitudeTape altitudeTape_;
    AltitudeWindow altitudeWindow_;
    ModeAnnunciator fma_;
    DeviationDisplay deviation_;
    VerticalSpeedIndicator verticalSpeed_;
    HsiDisplay hsi_;
    InfoFields infoFields_;
};

}  // namespace zentra
