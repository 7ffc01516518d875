#pragma once
// Placement of text relative to its layout rectangle. With a zero-size
// layout rectangle the rectangle's corner is a point: Near puts the text's
// box right of / below it, Center centres the box on it, Far ends the box at it.
#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

class StringFormat {
  public:
    explicit StringFormat(int flags = 0, int language = 0);

    Status setAlignment(StringAlignment align);
    StringAlignment alignment() const { return align_; }
    Status getAlignment(StringAlignment* align) const;
    Status setLineAlignment(StringAlignment align);
    StringAlignment lineAlignment() const { return lineAlign_; }
    Status getLineAlignment(StringAlignment* align) const;
    int flags() const { return flags_; }
    int language() const { return language_; }

    StringFormat clone() const { return *this; }

  private:
    int flags_;
    int language_;
    StringAlignment align_ = StringAlignment::Near;
    StringAlignment lineAlign_ = StringAlignment::Near;
};

}  // namespace platform::gfx
