#pragma once
// Fill settings: a solid colour, or an 8 x 8 device-pixel hatch pattern
// whose background may be transparent (ARGB 0 leaves what is below).
#include <memory>

#include "platform/gfx/status.h"
#include "platform/gfx/types.h"

namespace platform::gfx {

enum class BrushKind : int32_t { Solid = 0, Hatch = 1 };

class Brush {
  public:
    virtual ~Brush() = default;
    BrushKind kind() const { return kind_; }
    virtual std::unique_ptr<Brush> clone() const = 0;

  protected:
    explicit Brush(BrushKind kind) : kind_(kind) {}
    Brush(const Brush&) = default;
    Brush& operator=(const Brush&) = default;

  private:
    BrushKind kind_;
};

class SolidBrush : public Brush {
  public:
    explicit SolidBrush(Argb color);
    Status setColor(Argb color);
    Argb color() const { return color_; }
    Status getColor(Argb* color) const;
    std::unique_ptr<Brush> clone() const override;

  private:
    Argb color_;
};

class HatchBrush : public Brush {
  public:
    HatchBrush(HatchStyle style, Argb foreColor, Argb backColor = 0);
    HatchStyle style() const { return style_; }
    Argb foreColor() const { return fore_; }
    Argb backColor() const { return back_; }
    std::unique_ptr<Brush> clone() const override;
    // Whether the pattern sets device pixel (x, y) to the fore colour.
    static bool patternBit(HatchStyle style, int x, int y);
    static bool isKnownStyle(HatchStyle style);

  private:
    HatchStyle style_;
    Argb fore_;
    Argb back_;
};

}  // namespace platform::gfx
