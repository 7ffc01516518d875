#pragma once
// The PFD's 25 info fields: texts refreshed from the snapshot every paint,
// drawn last around the instruments.
#include <array>
#include <cstdint>
#include <string>

#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// The PFD's selections in the shared data block (bytes 20, 24, 28).
struct PfdSharedSelections {
    bool present = false;    // without a block the configured Baro format holds
    bool millibars = false;  // unit 1
    bool standard = false;   // the Baro field shows its standard label
    bool mach = false;       // the AP speed field shows Mach
};
PfdSharedSelections readPfdSharedSelections(const uint8_t* block);

struct InfoFieldState {
    std::wstring value;
    std::wstring suffix;  // the configured suffix, or the Baro unit's
    bool composed = true;
    bool visible = true;
};

// "%.2f" with a leading "0" made a space: 0.785 reads " .79".
std::wstring machText(double mach);

class InfoFields {
  public:
    // Every field visible and composed, as after a layout change.
    void layout(const PfdInfoSettings& info);
    // Values and flags from the snapshot; haveFlightPlan: the flight plan
    // copy taken for this paint has waypoints.
    void refresh(const PfdSettings& settings, const PfdSharedSelections& shared,
                 bool haveFlightPlan);
    void paint(PfdPaint& p) const;
    // The text a visible field draws.
    std::wstring text(const PfdInfoSettings& info, int field) const;
    const InfoFieldState& field(int i) const { return fields_[size_t(i)]; }

  private:
    std::array<InfoFieldState, kPfdInfoFields> fields_{};
};

}  // namespace zentra
