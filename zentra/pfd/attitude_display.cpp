#include "zentra/pfd/attitude_display.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/gfx/graphics_path.h"
#include "zentra/draw/symbols.h"
#include "zentra/pfd/pfd_styles.h"
#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

constexpr float kCos30 = 0.8660254f;
// A ladder step this fine would draw thousands of lines nobody can tell apart.
constexpr float kFinestLadderStep = 0.1f;

float clampTo(float v, float limit) { return std::clamp(v, -std::fabs(limit), std::fabs(limit)); }

}  // namespace

AttitudeLayout layoutAttitude(const AttitudeSettings& s) {
    AttitudeLayout l;
    l.radius = s.bankIndexRadius;
    l.boxed = s.shape == AttitudeShape::Rectangle || s.shape == AttitudeShape::RoundRectangle;
    if (l.boxed) {
        l.box = s.box;
        l.cx = s.box.x + s.box.width / 2;
        l.cy = s.box.y + s.box.height / 2;
    } else {
        l.cx = s.center.x;
        l.cy = s.center.y;
        l.box = {l.cx - l.radius, l.cy - l.radius, 2 * l.radius, 2 * l.radius};
    }
    // A range of 0 would send the horizon to infinity: the ball then stands still.
    l.k = s.pitchVisibleRange != 0 ? l.radius / s.pitchVisibleRange : 0;
    l.kf = l.box.height * 0.01f;
    l.reach = std::max(std::hypot(l.box.width, l.box.height) / 2, std::fabs(l.radius));
    return l;
}

gfx::Region attitudeShapeRegion(const AttitudeSettings& s, const AttitudeLayout& l) {
    const float w = l.box.width, h = l.box.height, r = l.radius;
    switch (s.shape) {
        case AttitudeShape::Rectangle:
            return gfx::Region(gfx::RectF{-w / 2, -h / 2, w, h});
        case AttitudeShape::RoundRectangle: {
            // A ratio that is not positive gives square corners.
            const float c = s.cornerRatio > 0 ? std::min(w, h) / float(s.cornerRatio) : 0;
            if (c <= 0) return gfx::Region(gfx::RectF{-w / 2, -h / 2, w, h});
            const float x = -w / 2, y = -h / 2, d = 2 * c;
            gfx::GraphicsPath path;
            path.addArc(x, y, d, d, 180, 90);
            path.addArc(x + w - d, y, d, d, 270, 90);
            path.addArc(x + w - d, y + h - d, d, d, 0, 90);
            path.addArc(x, y + h - d, d, d, 90, 90);
            path.closeFigure();
            return gfx::Region(path);
        }
        case AttitudeShape::Circle:
        case AttitudeShape::Oval: {
            gfx::GraphicsPath path;
            path.addEllipse(-r, -r, 2 * r, 2 * r);
            gfx::Region region(path);
            if (s.shape == AttitudeShape::Oval) {
                const float half = std::fabs(r) * kCos30;
                region.combine(gfx::RectF{-half, -std::fabs(r), 2 * half, 2 * std::fabs(r)},
                               gfx::CombineMode::Intersect);
            }
            return region;
        }
        case AttitudeShape::None:
        default:
            // The square about the centre that the other shapes fit in.
            return gfx::Region(gfx::RectF{-w / 2, -h / 2, w, h});
    }
}

gfx::Region attitudeLadderRegion(const AttitudeLayout& l) {
    // The upper half disc and the rectangle below the centre line as one
    // outline: a single path clips much faster than a union of two.
    const float r = std::fabs(l.radius), w = l.box.width, h = l.box.height;
    gfx::GraphicsPath path;
    path.addLine(-w, h / 2, -w, 0);
    path.addLine(-w, 0, -r, 0);
    path.addArc(-r, -r, 2 * r, 2 * r, 180, 180);
    path.addLine(r, 0, w, 0);
    path.addLine(w, 0, w, h / 2);
    path.closeFigure();
    return gfx::Region(path);
}

void AttitudeDisplay::layout(const AttitudeSettings& settings) {
    settings_ = settings;
    layout_ = layoutAttitude(settings);
    shapeClip_ = attitudeShapeRegion(settings, layout_);
    ladderClip_ = attitudeLadderRegion(layout_);
}

void AttitudeDisplay::paint(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const float bank = float(BankAngle());
    const float pitchShift = float(-PitchAngle() * layout_.k);
    const float r = layout_.radius;
    {
        CanvasContainer a(c);
        c.translateTransform(layout_.cx, layout_.cy);
        {
            CanvasContainer b(c);
            c.setClip(&shapeClip_);
            c.rotateTransform(-bank);
            {
                CanvasContainer ball(c);
                c.translateTransform(0, pitchShift);
                const float half = 1.8f * r, depth = 130 * layout_.k;
                c.fillRectangle(p.styles.brush(kStyleSky), -half, -depth, 2 * half, depth);
                c.fillRectangle(p.styles.brush(kStyleEarth), -half, 0, 2 * half, depth);
                c.drawLine(p.styles.pen(kStyleAttitude), -half, 0, half, 0);
                if (!layout_.boxed) drawLadder(p, pitchShift);
            }
            if (!layout_.boxed) drawBankPointer(p);
        }
        if (layout_.boxed) {
            // The ladder stays inside the bank circle's upper half and the box.
            c.setClip(&ladderClip_);
            CanvasContainer d(c);
            c.setClip(&shapeClip_);
            c.rotateTransform(-bank);
            {
                CanvasContainer e(c);
                forceAntiAliasedText(c);
                c.translateTransform(0, pitchShift);
                drawLadder(p, pitchShift);
            }
            drawBankPointer(p);
        }
        c.resetClip();
        drawBankScale(p);
        if (settings_.barShape == AttitudeBarShape::BarShape) {
            drawAircraftSymbol(p);
            if (FlightDirectorOn() != 0) drawFlightDirector(p);
        }
    }
    drawFrame(p);
}

void AttitudeDisplay::drawLadder(PfdPaint& p, float pitchShift) const {
    const float step = settings_.ladderStep;
    if (!(step >= kFinestLadderStep)) return;
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleAttitude);
    const gfx::Brush* brush = p.styles.brush(kStyleAttitude);
    const gfx::Font* font = p.fonts.font(kFontAttitude);
    const DigitLocation digits = settings_.digitLocation;
    const int count = int(std::floor(180.0 / step + 1e-6));
    const float labelReach = float(p.fonts.fontSpec(kFontAttitude).size) + settings_.ladderHeight;
    for (int i = 0; i <= count; ++i) {
        const double a = -90.0 + double(i) * step;
        if (a == 0) continue;
        const float y = float(-a * layout_.k);
        // A line this far from the centre lies outside every attitude shape
        // at any bank; its labels too. Not drawing it saves clipped drawing.
        if (std::fabs(y + pitchShift) > layout_.reach + labelReach) continue;
        float half = 0;
        bool labelled = false;
        if (std::fmod(a, 10.0) == 0 && step <= 10) {
            half = settings_.ladderSize10;
            labelled = true;
        } else if (std::fmod(a, 5.0) == 0 && step <= 5) {
            half = settings_.ladderSize5;
        } else if (std::fmod(a, 2.5) == 0 && step <= 2.5) {
            half = settings_.ladderSize2_5;
        } else {
            continue;
        }
        c.drawLine(pen, -half, y, half, y);
        if (!labelled) continue;
        const std::wstring label = std::to_wstring(int(std::fabs(std::trunc(a))));
        p.format.setLineAlignment(gfx::StringAlignment::Center);
        if (digits == DigitLocation::Right || digits == DigitLocation::Both) {
            p.format.setAlignment(gfx::StringAlignment::Near);
            c.drawString(label.c_str(), -1, font, gfx::PointF{settings_.digitOffset, y}, &p.format,
                         brush);
        }
        if (digits == DigitLocation::Left || digits == DigitLocation::Both) {
            p.format.setAlignment(gfx::StringAlignment::Far);
            c.drawString(label.c_str(), -1, font, gfx::PointF{-settings_.digitOffset, y}, &p.format,
                         brush);
        }
        if (settings_.ladderOriented) {
            // Ticks hang towards the horizon.
            const float h = a > 0 ? settings_.ladderHeight : -settings_.ladderHeight;
            c.drawLine(pen, -half, y, -half, y + h);
            c.drawLine(pen, half, y, half, y + h);
        }
    }
}

void AttitudeDisplay::drawBankPointer(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const float s = settings_.bankIndicatorSize;
    const float r = layout_.radius;
    const gfx::PointF tip{0, -r};
    if (p.styles.isTransparent(kStyleBankPointer)) {
        drawTriangle(c, p.styles.pen(kStyleAttitude), tip, s, 180);
    } else {
        fillTriangle(c, p.styles.brush(kStyleBankPointer), tip, s, 180);
    }
    const float x = float((SlipBall() - 0.5) * s);
    c.drawRectangle(p.styles.pen(kStyleAttitude), x, 0.866f * s - r, s, s / 2);
}

void AttitudeDisplay::drawBankScale(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleAttitudeFrame);
    const float r = layout_.radius;
    const float i = float(settings_.bankIndexSize);
    drawTriangle(c, pen, {0, -r}, settings_.bankTriangleSize, 0);
    const auto mark = [&](float angle, float length, bool triangle) {
        for (float side : {-1.0f, 1.0f}) {
            CanvasContainer turned(c);
            c.rotateTransform(side * angle);
            if (triangle) {
                drawTriangle(c, pen, {0, -r}, 2 * i, 0);
            } else {
                c.drawLine(pen, 0, -r, 0, -r - length);
            }
        }
    };
    mark(10, i, false);
    mark(20, i, false);
    mark(30, 2 * i, false);
    mark(60, 2 * i, false);
    mark(45, i, settings_.bankUseTriangles);
}

void AttitudeDisplay::drawAircraftSymbol(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleBarOutline);
    const gfx::Brush* brush = p.styles.brush(kStyleBarFill);
    const float pos = settings_.barPosition, w = settings_.barWidth, t = settings_.barThickness;
    const gfx::PointF right[6] = {{-pos, -t / 2},       {w - pos, -t / 2},
                                  {w - pos, 2.5f * t},  {w - pos - t, 2.5f * t},
                                  {w - pos - t, t / 2}, {-pos, t / 2}};
    const gfx::PointF left[6] = {{pos, -t / 2},           {pos - w, -t / 2},    {pos - w, 2.5f * t},
                                 {pos - w + t, 2.5f * t}, {pos - w + t, t / 2}, {pos, t / 2}};
    for (const gfx::PointF* bar : {right, left}) {
        c.fillPolygon(brush, bar, 6);
        c.drawPolygon(pen, bar, 6);
    }
    c.fillRectangle(brush, -t / 2, -t / 2, t, t);
    c.drawRectangle(pen, -t / 2, -t / 2, t, t);
}

void AttitudeDisplay::drawFlightDirector(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleFlightDirector);
    const float wf = settings_.flightDirectorWidth, hf = settings_.flightDirectorHeight;
    const float x = clampTo(float(-layout_.kf * (BankAngle() + FlightDirectorBank())), wf);
    const float y = clampTo(float((FlightDirectorPitch() - PitchAngle()) * layout_.k), hf);
    c.drawLine(pen, x, -hf, x, hf);
    c.drawLine(pen, -wf, y, wf, y);
}

void AttitudeDisplay::drawFrame(PfdPaint& p) const {
    Canvas& c = p.canvas;
    const gfx::Pen* pen = p.styles.pen(kStyleAttitudeFrame);
    const float r = layout_.radius;
    const AttitudeShape shape = settings_.shape;
    if (settings_.frame == AttitudeFrame::Full) {
        if (shape == AttitudeShape::Rectangle) {
            c.drawRectangle(pen, layout_.box.x, layout_.box.y, layout_.box.width,
                            layout_.box.height);
        } else if (shape == AttitudeShape::Circle) {
            c.drawEllipse(pen, layout_.cx - r, layout_.cy - r, 2 * r, 2 * r);
        }
    } else if (settings_.frame == AttitudeFrame::Top) {
        if (shape == AttitudeShape::Circle || shape == AttitudeShape::Oval) {
            c.drawArc(pen, layout_.cx - r, layout_.cy - r, 2 * r, 2 * r, -30, -120);
        }
    }
}

}  // namespace zentra
