#pragma once
// The flight mode annunciator: columns of autopilot modes in a box.
#include <string>

#include "zentra/pfd/pfd_paint.h"

namespace zentra {

// What column c shows and on which line, from the snapshot's autopilot
// modes; an empty text for none.
struct FmaEntry {
    std::wstring text;
    int line = 0;
};
FmaEntry fmaColumnEntry(int column, int lines);

class ModeAnnunciator {
  public:
    // Measures the line height with the FMA font, so it needs the canvas.
    void layout(PfdPaint& p);
    void paint(PfdPaint& p) const;
    float lineHeight() const { return lineHeight_; }

  private:
    float lineHeight_ = 0;
};

}  // namespace zentra
