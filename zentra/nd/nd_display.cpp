#include "zentra/nd/nd_display.h"

#include "zentra/simdata/flight_plan_table.h"

namespace zentra {

NdDisplay::NdDisplay(host::GaugeHeader* header) : DisplayBase(header, "ND") {
    // A new ND starts without a plan until the next copy fills it.
    flightPlanTable().count = 0;
}

}  // namespace zentra
