#pragma once
// The data-sampling gauge's object: graphics start-up, the shared data block
// and the alert board. One per module, while the MainGauge is connected.
#include <cstdint>

#include "zentra/simdata/alert_board.h"

namespace zentra {

class MainState {
  public:
    MainState();   // starts the graphics layer
    ~MainState();  // shuts it down
    MainState(const MainState&) = delete;
    MainState& operator=(const MainState&) = delete;

    // Looks the shared data block up until the host has it.
    void bindSharedData();
    uint8_t* sharedData() const { return sharedData_; }
    AlertBoard& alertBoard() { return alertBoard_; }

  private:
    uintptr_t graphicsToken_ = 0;
    uint8_t* sharedData_ = nullptr;
    AlertBoard alertBoard_;
};

// The live MainState, or null.
MainState* getMainState();
// The shared data block of the live MainState, or null.
uint8_t* getSharedData();

// Gauge thread, dispatch only: make or clear the live MainState.
void setMainState(MainState* state);

}  // namespace zentra
