#pragma once
// The primary flight display; its instruments read section "PFD".
#include <cstdint>

#include "zentra/draw/canvas.h"
#include "zentra/draw/font_table.h"
#include "zentra/draw/logical_space.h"
#include "zentra/draw/rendering_quality.h"
#include "zentra/draw/style_table.h"
#include "zentra/frame/display_base.h"
#include "zentra/pfd/attitude_display.h"
#include "zentra/pfd/pfd_groups.h"
#include "zentra/pfd/pfd_settings.h"
#include "zentra/pfd/speed_tape.h"
#include "zentra/pfd/speed_window.h"

namespace zentra {

class PfdDisplay : public DisplayBase {
  public:
    explicit PfdDisplay(host::GaugeHeader* header);

    void clearBackground() override;
    void paint() override;
    void renderInstrument() override;
    void loadSettings(const char* file) override;
    void refreshStyles() override;
    void applyBrightness(int slot, bool updateLive) override;
    void rebuildStyleObjects() override;
    void rebuildFonts() override;
    void layoutRegions() override;
    void publishBrightness() override;

    // A canvas of the caller's, with its pixel size, drawn on in place of the
    // frame's surface (pictures, tests); null: the frame's surface again.
    void setCanvas(Canvas* canvas, int pixelWidth, int pixelHeight);

    const PfdSettings& settings() const { return settings_; }
    const StyleTable& styles() const { return styles_; }
    const FontTable& fonts() const { return fonts_; }
    const RenderingQuality& quality() const { return frame_.quality; }
    const LogicalSpace& logicalSpace() const { return space_; }
    bool machSelected() const { return machSelected_; }
    const AttitudeDisplay& attitude() const { return attitude_; }
    const SpeedTape& speedTape() const { return speedTape_; }
    const SpeedWindow& speedWindow() const { return speedWindow_; }
    const PfdGroups& groups() const { return groups_; }

  private:
    void takeSharedSelections();
    Canvas& canvas();
    void paintSpeedGroup(PfdPaint& p) const;

    PfdSettings settings_;
    StyleTable styles_;
    FontTable fonts_;
    LogicalSpace space_;
    Canvas* ownCanvas_ = nullptr;
    int ownWidth_ = 0;
    int ownHeight_ = 0;
    gfx::StringFormat format_;
    bool machSelected_ = false;
    int32_t baroUnit_ = 0;
    int32_t standardPressure_ = 0;

    AttitudeDisplay attitude_;
    SpeedTape speedTape_;
    SpeedWindow speedWindow_;
    PfdGroups groups_;
    bool sharedPresent_ = false;
    bool haveFlightPlan_ = false;
};

}  // namespace zentra
