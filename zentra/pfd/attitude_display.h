#pragma once
// The attitude display: sky and earth turning with the bank and sliding with
// the pitch, pitch ladder, bank pointer and slip, bank scale, aircraft
// symbol, flight director and frame, all around one centre.

#include "platform/gfx/region.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

struct AttitudeLayout {
    gfx::RectF box;  // display coordinates
    float cx = 0, cy = 0;
    float radius = 0;    // R
    float k = 0;         // units per degree of pitch
    float kf = 0;        // units per degree of flight director roll
    bool boxed = false;  // RECTANGLE or ROUND_RECTANGLE: the ladder has its own clip
    float reach = 0;     // farthest a clipped point lies from the centre
};

AttitudeLayout layoutAttitude(const AttitudeSettings& settings);

// The shape's clip, relative to the centre.
gfx::Region attitudeShapeRegion(const AttitudeSettings& settings, const AttitudeLayout& layout);
// Upper half of the bank circle and the box's lower half: keeps the ladder
// off the bank scale.
gfx::Region attitudeLadderRegion(const AttitudeLayout& layout);

class AttitudeDisplay {
  public:
    void layout(const AttitudeSettings& settings);
    void paint(PfdPaint& p) const;
    const AttitudeLayout& geometry() const { return layout_; }

  private:
    void drawLadder(PfdPaint& p, float pitchShift) const;
    void drawBankPointer(PfdPaint& p) const;
    void drawBankScale(PfdPaint& p) const;
    void drawAircraftSymbol(PfdPaint& p) const;
    void drawFlightDirector(PfdPaint& p) const;
    void drawFrame(PfdPaint& p) const;

    AttitudeLayout layout_;
    AttitudeSettings settings_;
    gfx::Region shapeClip_;
    gfx::Region ladderClip_;
};

}  // namespace zentra
