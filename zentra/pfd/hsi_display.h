#pragma once
// The horizontal situation indicator at the bottom of the PFD: a compass
// disc turning with the heading, with the bearing needles in it, or a
// straight heading tape.
#include "platform/gfx/region.h"
#include "platform/gfx/string_format.h"
#include "zentra/draw/nav_needles.h"
#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// HSIShape and HSITickOrientation, as their names are numbered.
enum class HsiShape : int32_t { Tape = 0, Disc };
enum class HsiTickOrientation : int32_t { Interior = 0, Exterior };
// HeadingLineStyle.
enum class HeadingLineStyle : int32_t { None = 0, Dashed, Full };

// Directions, in degrees from the top, of the fixed index marks around the disc.
inline constexpr float kHsiIndexMarks[6] = {45, 90, 135, 225, 270, 315};

// The autopilot heading placed on the tape: taken across north when it and
// the heading lie on either side of it, within half the visible range.
double tapeApHeading(double heading, double apHeading, float visibleRange);

// Remembers when the autopilot heading last changed; the heading line shows
// for a while after each change (a negative time: as long as heading hold is on).
class HeadingLineTimer {
  public:
    bool shown(double apHeading, double simTime, float lineTime, bool headingHold,
               HeadingLineStyle style);

  private:
    double lastApHeading_ = 0;
    double changedAt_ = 0;
};

class HsiDisplay {
  public:
    void layout(const PfdSettings& settings, const RenderingQuality& quality);
    void paint(PfdPaint& p);

    gfx::PointF reference() const { return reference_; }
    const gfx::Region& tapeClip() const { return tapeClip_; }

  private:
    void paintDisc(PfdPaint& p);
    void paintTape(PfdPaint& p) const;
    void drawDiscTicks(PfdPaint& p, double heading) const;
    void drawDiscApIndex(PfdPaint& p);
    void drawFixedIndex(PfdPaint& p) const;
    void fillNeedles(PfdPaint& p);

    gfx::PointF reference_;  // P
    float tapeScale_ = 0;    // s
    gfx::Region tapeClip_;
    gfx::StringFormat tapeFormat_;
    NavNeedleSet needles_;
    HeadingLineTimer headingLine_;
};

}  // namespace zentra
