#include "zentra/pfd/pfd_display.h"

#include <cstring>

#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"
#include "zentra/frame/main_state.h"
#include "zentra/pfd/pfd_styles.h"
#include "zentra/simdata/flight_plan_table.h"

namespace zentra {

namespace {

// Byte offsets of the PFD's fields in the shared data block.
constexpr size_t kSharedBaroUnit = 20;
constexpr size_t kSharedStandardPressure = 24;
constexpr size_t kSharedMachSelection = 28;

template <typename T>
T sharedField(const uint8_t* block, size_t offset) {
    T value;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

}  // namespace

PfdDisplay::PfdDisplay(host::GaugeHeader* header) : DisplayBase(header, "PFD") {
    styles_.reset(kPfdStyleSlots);
    fonts_.reset(kPfdFontSlots);
}

void PfdDisplay::setCanvas(Canvas* canvas, int pixelWidth, int pixelHeight) {
    waitForRender();
    ownCanvas_ = canvas;
    ownWidth_ = pixelWidth;
    ownHeight_ = pixelHeight;
    fullRedraw_ = true;
}

Canvas& PfdDisplay::canvas() { return ownCanvas_ != nullptr ? *ownCanvas_ : frameCanvas(); }

void PfdDisplay::loadSettings(const char* file) {
    DisplayBase::loadSettings(file);
    space_.sizeX = frame_.sizeX;
    space_.sizeY = frame_.sizeY;
    // A reload starts from the defaults: keys the new text skips do not
    // keep the old text's values.
    settings_ = PfdSettings{};
    readPfdShapeKeys(file, sectionName_, settings_);
    loadPfdStyles(file, sectionName_, settings_, styles_);
    refreshStyles();
    loadPfdFonts(file, sectionName_, fonts_);
    rebuildFonts();
    readPfdGeometry(file, sectionName_, settings_);
    readPfdInfoFields(file, sectionName_, settings_.info);
    readPfdUserMessages(file, sectionName_, settings_.userMessages);
    configured_ = true;
    fullRedraw_ = true;
}

void PfdDisplay::refreshStyles() { styles_.refreshStyles(brightness_); }

void PfdDisplay::applyBrightness(int slot, bool updateLive) {
    styles_.applyBrightness(slot, brightness_, updateLive);
}

void PfdDisplay::rebuildStyleObjects() { styles_.rebuildStyleObjects(); }

void PfdDisplay::rebuildFonts() { fonts_.rebuildFonts(); }

void PfdDisplay::publishBrightness() {
    if (float* slot = sharedBrightnessSlot()) std::memcpy(slot, &brightness_, sizeof brightness_);
    refreshStyles();
}

void PfdDisplay::takeSharedSelections() {
    const uint8_t* block = getSharedData();
    sharedPresent_ = block != nullptr;
    if (block == nullptr) return;
    baroUnit_ = sharedField<int32_t>(block, kSharedBaroUnit);
    standardPressure_ = sharedField<int32_t>(block, kSharedStandardPressure);
    machSelected_ = sharedField<int32_t>(block, kSharedMachSelection) == 1;
}

void PfdDisplay::paint() {
    // What the render reads changes only between renders.
    waitForRender();
    takeSharedBrightness();
    takeSharedSelections();
    haveFlightPlan_ = flightPlanTable().count > 0;
    DisplayBase::paint();
}

void PfdDisplay::clearBackground() {
    Canvas& c = canvas();
    if (c.graphics() != nullptr) c.clear(styles_.style(kStyleBackground).colorInUse);
}

void PfdDisplay::layoutRegions() {
    Canvas& c = canvas();
    if (c.graphics() == nullptr) return;
    space_.pixelWidth = ownCanvas_ != nullptr ? ownWidth_ : surfaceWidth();
    space_.pixelHeight = ownCanvas_ != nullptr ? ownHeight_ : surfaceHeight();
    space_.apply(c);
    attitude_.layout(settings_.attitude);
    speedTape_.layout(settings_, space_.sizeX);
    if (settings_.speed.window) speedWindow_.layout(settings_, c, fonts_);
    PfdPaint p{c, styles_, fonts_, settings_, frame_.quality, format_, machSelected_};
    groups_.layout(p, space_.sizeX);
    rebuildFonts();
}

void PfdDisplay::renderInstrument() {
    Canvas& c = canvas();
    if (c.graphics() == nullptr) return;
    // Every picture starts from the background colour.
    clearBackground();
    format_.setLineAlignment(gfx::StringAlignment::Center);
    PfdPaint p{c, styles_, fonts_, settings_, frame_.quality, format_, machSelected_};
    applyRenderingQuality(c, frame_.quality, false);
    attitude_.paint(p);
    groups_.paintRadioAltitude(p);
    paintSpeedGroup(p);
    groups_.paintAltitudeGroup(p);
    groups_.paintAnnunciations(p);
    groups_.paintHsi(p);
    PfdSharedSelections shared;
    shared.present = sharedPresent_;
    shared.millibars = baroUnit_ == 1;
    shared.standard = standardPressure_ != 0;
    shared.mach = machSelected_;
    groups_.paintMarkersAndFields(p, shared, haveFlightPlan_);
}

void PfdDisplay::paintSpeedGroup(PfdPaint& p) const {
    // A relative speed display is not drawn.
    if (settings_.speed.mode != SpeedMode::Absolute) return;
    if (settings_.speed.tape) {
        speedTape_.paint(p);
        if (settings_.speed.window) {
            speedWindow_.paint(p);
        } else {
            speedTape_.paintFixedIndex(p);
        }
    } else if (settings_.speed.window) {
        speedWindow_.paint(p);
    }
}

}  // namespace zentra
