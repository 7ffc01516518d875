// Power and brightness: dark while the aircraft has no power, fading in
// and out by SimTime steps, at the day or night brightness.
#include <cstring>

#include "zentra/frame/display_base.h"
#include "zentra/frame/main_state.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

constexpr int32_t kDuskLighting = 2;
constexpr int32_t kNightLighting = 4;

}  // namespace

bool DisplayBase::isPowered() { return IsPowered(); }

void DisplayBase::publishBrightness() {}

int DisplayBase::sharedBrightnessOffset() const {
    if (std::strcmp(sectionName_, "PFD") == 0) return 0;
    if (std::strcmp(sectionName_, "ND") == 0) return 4;
    if (std::strcmp(sectionName_, "EICAS") == 0) return 8;
    return -1;
}

float* DisplayBase::sharedBrightnessSlot() const {
    const int offset = sharedBrightnessOffset();
    uint8_t* block = getSharedData();
    if (offset < 0 || block == nullptr) return nullptr;
    return reinterpret_cast<float*>(block + offset);
}

void DisplayBase::publishAfterRender() {
    // Pens and brushes are rebuilt: not under a running render.
    waitForRender();
    publishBrightness();
}

void DisplayBase::updatePowerState() {
    const bool powered = isPowered();
    if (powered != lastPowered_) {
        if (powered) {
            targetBrightness_ = -1.0f;
            lastLightingMode_ = -1;
            powerState_ = PowerState::Rising;
        } else {
            powerState_ = PowerState::Falling;
        }
        lastPowered_ = powered;
    }
    switch (powerState_) {
        case PowerState::Rising:
            if (targetBrightness_ < 0.0f) {
                // The lighting target comes with the next paint.
                powerState_ = PowerState::On;
            } else {
                brightness_ += kBrightnessStep;
                if (brightness_ > targetBrightness_) {
                    brightness_ = targetBrightness_;
                    powerState_ = PowerState::On;
                }
            }
            publishAfterRender();
            break;
        case PowerState::Falling:
            brightness_ -= kBrightnessStep;
            if (brightness_ < 0.0f) {
                brightness_ = 0.0f;
                powerState_ = PowerState::Off;
            }
            publishAfterRender();
            break;
        case PowerState::On:
        case PowerState::Off:
            break;
    }
}

void DisplayBase::followLighting() {
    const int32_t mode = LightingMode();
    if (mode == lastLightingMode_) return;
    if (targetBrightness_ < 0.0f) {
        if (mode == kNightLighting) {
            targetBrightness_ = frame_.nightBrightness;
        } else if (mode == kDuskLighting) {
            targetBrightness_ = (frame_.dayBrightness + frame_.nightBrightness) * 0.5f;
        } else {
            targetBrightness_ = frame_.dayBrightness;
        }
    }
    if (lastLightingMode_ == -1 && powerState_ == PowerState::On) {
        brightness_ = targetBrightness_;
        publishAfterRender();
    }
    lastLightingMode_ = mode;
}

void DisplayBase::takeSharedBrightness() {
    const float* slot = sharedBrightnessSlot();
    if (slot == nullptr) return;
    float shared;
    std::memcpy(&shared, slot, sizeof shared);
    if (shared != brightness_) {
        brightness_ = shared;
        publishAfterRender();
    }
}

void DisplayBase::stepBrightness(float step) {
    if (powerState_ != PowerState::On) return;
    auto stepped = [step](float value) {
        value += step;
        return value < 0.0f ? 0.0f : value;
    };
    if (float* slot = sharedBrightnessSlot()) {
        // The display takes the new value at its next paint.
        float value;
        std::memcpy(&value, slot, sizeof value);
        value = stepped(value);
        std::memcpy(slot, &value, sizeof value);
        return;
    }
    brightness_ = stepped(brightness_);
    publishAfterRender();
}

void DisplayBase::brightnessUp() { stepBrightness(kBrightnessStep); }
void DisplayBase::brightnessDown() { stepBrightness(-kBrightnessStep); }

}  // namespace zentra
