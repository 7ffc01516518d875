#include "zentra/draw/rolling_digits.h"

#include <cmath>
#include <string>

#include "platform/gfx/graphics_path.h"
#include "platform/gfx/region.h"
#include "zentra/draw/text_anchor.h"

namespace zentra {

namespace {

using P = gfx::PointF;

// Modulo with a result in 0 .. m - 1 also for negative a.
int64_t floorMod(int64_t a, int64_t m) {
    const int64_t r = a % m;
    return r < 0 ? r + m : r;
}

std::wstring zeroPadded(int64_t number, int digits) {
    std::wstring text = std::to_wstring(number);
    if (digits > 18) digits = 18;
    if (int(text.size()) < digits) text.insert(0, size_t(digits) - text.size(), L'0');
    return text;
}

}  // namespace

RollingMetrics measureRollingMetrics(Canvas& canvas, const gfx::Font* drumFont, int drumDigits,
                                     gfx::PointF anchor, const gfx::StringFormat* format) {
    RollingMetrics metrics;
    gfx::RectF box;
    if (canvas.measureString(L"0", -1, drumFont, anchor, format, &box) == gfx::Status::Ok) {
        metrics.digitWidth = box.width;
        metrics.digitHeight = box.height;
    }
    metrics.drumWidth = float(drumDigits) * metrics.digitWidth * 0.8f;
    return metrics;
}

void drawRollingDigits(Canvas& canvas, const gfx::Brush* brush, const gfx::Font* highFont,
                       const gfx::Font* drumFont, double value, int64_t n, int32_t divisor,
                       int32_t drumStep, int32_t drumDigits, gfx::PointF anchor,
                       const RollingMetrics& metrics, int32_t anchorBits, double threshold) {
    const int64_t d0 = divisor >= 1 ? divisor : 1;
    const bool right = (anchorBits & TextAnchor::RIGHT) != 0;
    const float h = metrics.digitHeight;
    const float wd = metrics.drumWidth;

    gfx::StringFormat format;
    format.setAlignment(right ? gfx::StringAlignment::Far : gfx::StringAlignment::Near);
    format.setLineAlignment(gfx::StringAlignment::Center);

    // High digits, lowest first, moving left.
    float x = right ? anchor.x - 0.8f * wd : anchor.x;
    const float y = anchor.y;
    bool rolling = true;
    int64_t previous = 0;
    double roll = 0;
    for (int64_t d = d0; d <= n; d *= 10) {
        const int64_t digit = (n % (10 * d)) / d;
        const double fraction = std::fmod(value, double(d)) / double(d);
        const std::wstring text = std::to_wstring(digit);
        gfx::RectF box;
        canvas.measureString(text.c_str(), -1, highFont, P{x, y}, &format, &box);
        if (rolling && threshold < 1 && fraction >= threshold) {
            // A 9 below keeps its roll, so a carry moves several digits together.
            if (previous != 9) roll = (fraction - threshold) / (1 - threshold);
            const float shifted = y + float(std::trunc(roll * h));
            const bool highest = n / (10 * d) == 0;
            const int64_t next = highest ? digit + 1 : (digit + 1) % 10;
            const std::wstring nextText = std::to_wstring(next);
            canvas.drawString(text.c_str(), -1, highFont, P{x, shifted}, &format, brush);
            canvas.drawString(nextText.c_str(), -1, highFont, P{x, shifted - h}, &format, brush);
        } else {
            canvas.drawString(text.c_str(), -1, highFont, P{x, y}, &format, brush);
            rolling = false;
        }
        previous = digit;
        x -= 0.7f * box.width;
        if (d > INT64_MAX / 100) break;
    }

    // Drum: five entries around the displayed one, moving down as the value grows.
    const int64_t step = drumStep;
    const int64_t low = floorMod(n, d0);
    const double drumFraction = step > 0 ? std::fmod(value, double(step)) / double(step) : 0.0;
    const float drumX = right ? anchor.x : anchor.x + wd;
    for (int i = -2; i <= 2; ++i) {
        const int64_t entry = floorMod(low - 2 * step + d0 + (i + 2) * step, d0);
        const std::wstring text = zeroPadded(entry, drumDigits);
        const float entryY = anchor.y - float((i - drumFraction) * h * 0.8);
        canvas.drawString(text.c_str(), -1, drumFont, P{drumX, entryY}, &format, brush);
    }
}

std::array<gfx::PointF, 11> rollingWindowOutline(const gfx::RectF& box, float pointerSize,
                                                 float drumHeight, float drumWidth,
                                                 bool pointerOnRight) {
    const float x = box.x;
    const float y = box.y;
    const float w = box.width;
    const float hgt = box.height;
    const float cy = y + hgt / 2;
    const float r2 = drumHeight / 2;
    const float p = pointerSize;
    const float drumLeft = x + w - drumWidth;
    if (pointerOnRight) {
        return {P{x + w, cy - r2}, P{drumLeft, cy - r2}, P{drumLeft, y},       P{x, y},
                P{x, y + hgt},     P{drumLeft, y + hgt}, P{drumLeft, cy + r2}, P{x + w, cy + r2},
                P{x + w, cy + p},  P{x + w + p, cy},     P{x + w, cy - p}};
    }
    return {P{x + w, cy - r2},    P{drumLeft, cy - r2}, P{drumLeft, y},   P{x, y},
            P{x, cy - p},         P{x - p, cy},         P{x, cy + p},     P{x, y + hgt},
            P{drumLeft, y + hgt}, P{drumLeft, cy + r2}, P{x + w, cy + r2}};
}

gfx::Region outlineRegion(const gfx::PointF* points, int count) {
    gfx::GraphicsPath path(gfx::FillMode::Alternate);
    path.addPolygon(points, count);
    return gfx::Region(path);
}

ReadoutAnchor rollingReadoutAnchor(const gfx::RectF& box, int32_t alignment) {
    const float cy = box.y + box.height / 2;
    if (alignment & TextAnchor::RIGHT) return {P{box.right(), cy}, gfx::StringAlignment::Far};
    if (alignment & TextAnchor::CENTER) {
        return {P{box.x + box.width / 2, cy}, gfx::StringAlignment::Center};
    }
    return {P{box.x, cy}, gfx::StringAlignment::Near};
}

}  // namespace zentra
