#include "zentra/frame/main_state.h"

#include "platform/gfx/startup.h"
#include "zentra/simdata/host_reader.h"

namespace zentra {

namespace {

MainState* gMainState = nullptr;

}  // namespace

MainState::MainState() { platform::gfx::startup(&graphicsToken_, 1); }

MainState::~MainState() { platform::gfx::shutdown(graphicsToken_); }

void MainState::bindSharedData() {
    if (sharedData_ == nullptr) {
        sharedData_ = static_cast<uint8_t*>(findNamedValue("KORU_SHARED_DATA"));
    }
}

MainState* getMainState() { return gMainState; }

uint8_t* getSharedData() { return gMainState != nullptr ? gMainState->sharedData() : nullptr; }

void setMainState(MainState* state) { gMainState = state; }

}  // namespace zentra
