#include "platform/gfx/draw_record.h"

#include <cmath>
#include <cstdio>

#include "platform/gfx/text_utf8.h"

namespace platform::gfx {
namespace {

void appendNumber(std::string& out, double v) {
    if (!std::isfinite(v)) {
        out += "null";
        return;
    }
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    std::string s = buf;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    out += s;
}

void appendColor(std::string& out, Argb c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "\"#%08X\"", unsigned(c));
    out += buf;
}

void appendString(std::string& out, const std::string& utf8) {
    out += '"';
    for (unsigned char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20) {
                    char buf[8];
                    std::snprintf(buf, sizeof buf, "\\u%04x", c);
                    out += buf;
                } else {
                    out += char(c);
                }
        }
    }
    out += '"';
}

void appendRect(std::string& out, const RectF& r) {
    out += '[';
    appendNumber(out, r.x);
    out += ',';
    appendNumber(out, r.y);
    out += ',';
    appendNumber(out, r.width);
    out += ',';
    appendNumber(out, r.height);
    out += ']';
}

bool isTextKind(DrawKind k) { return k == DrawKind::Text; }

}  // namespace

const char* drawKindName(DrawKind kind) {
    switch (kind) {
        case DrawKind::Clear:
            return "clear";
        case DrawKind::Line:
            return "line";
        case DrawKind::Lines:
            return "lines";
        case DrawKind::Rectangle:
            return "rectangle";
        case DrawKind::Ellipse:
            return "ellipse";
        case DrawKind::Arc:
            return "arc";
        case DrawKind::Pie:
            return "pie";
        case DrawKind::Polygon:
            return "polygon";
        case DrawKind::Path:
            return "path";
        case DrawKind::FillRectangle:
            return "fillRectangle";
        case DrawKind::FillEllipse:
            return "fillEllipse";
        case DrawKind::FillPie:
            return "fillPie";
        case DrawKind::FillPolygon:
            return "fillPolygon";
        case DrawKind::FillPath:
            return "fillPath";
        case DrawKind::FillRegion:
            return "fillRegion";
        case DrawKind::Text:
            return "text";
        case DrawKind::Image:
            return "image";
    }
    return "unknown";
}

std::string toJsonLine(const DrawRecord& r) {
    std::string out;
    out.reserve(256);
    out += "{\"kind\":\"";
    out += drawKindName(r.kind);
    out += "\",\"source\":";
    out += std::to_string(r.source);
    out += ",\"points\":[";
    for (size_t i = 0; i < r.points.size(); ++i) {
        if (i) out += ',';
        out += '[';
        appendNumber(out, r.points[i].x);
        out += ',';
        appendNumber(out, r.points[i].y);
        out += ']';
    }
    out += ']';
    if (!r.figureSizes.empty()) {
        out += ",\"figures\":[";
        for (size_t i = 0; i < r.figureSizes.size(); ++i) {
            if (i) out += ',';
            out += std::to_string(r.figureSizes[i]);
        }
        out += ']';
    }
    if (r.kind == DrawKind::Arc || r.kind == DrawKind::Pie || r.kind == DrawKind::FillPie) {
        out += ",\"start\":";
        appendNumber(out, r.startAngle);
        out += ",\"sweep\":";
        appendNumber(out, r.sweepAngle);
    }
    if (r.hasPen) {
        out += ",\"pen\":{\"color\":";
        appendColor(out, r.penColor);
        out += ",\"width\":";
        appendNumber(out, r.penWidth);
        out += ",\"dash\":[";
        for (size_t i = 0; i < r.dash.size(); ++i) {
            if (i) out += ',';
            appendNumber(out, r.dash[i]);
        }
        out += "],\"startCap\":" + std::to_string(int(r.startCap));
        out += ",\"endCap\":" + std::to_string(int(r.endCap)) + "}";
    }
    if (r.hasBrush) {
        out += ",\"brush\":{\"color\":";
        appendColor(out, r.brushColor);
        if (r.hatchStyle >= 0) {
            out += ",\"hatch\":" + std::to_string(r.hatchStyle) + ",\"back\":";
            appendColor(out, r.hatchBackColor);
        }
        out += '}';
    }
    out += ",\"clip\":";
    if (r.clip)
        appendRect(out, *r.clip);
    else
        out += "null";
    out += ",\"transform\":[";
    for (int i = 0; i < 6; ++i) {
        if (i) out += ',';
        appendNumber(out, r.transform[i]);
    }
    out += "],\"smoothing\":" + std::to_string(int(r.smoothing));
    if (isTextKind(r.kind)) {
        out += ",\"text\":";
        appendString(out, detail::toUtf8(r.text));
        out += ",\"font\":{\"family\":";
        appendString(out, r.fontFamily);
        out += ",\"size\":";
        appendNumber(out, r.fontSize);
        out += ",\"deviceSize\":";
        appendNumber(out, r.fontDeviceSize);
        out += ",\"style\":" + std::to_string(r.fontStyle) + "}";
        out += ",\"align\":" + std::to_string(int(r.alignment));
        out += ",\"lineAlign\":" + std::to_string(int(r.lineAlignment));
        out += ",\"textHint\":" + std::to_string(int(r.textHint));
        out += ",\"bounds\":";
        appendRect(out, r.bounds);
    }
    if (r.kind == DrawKind::Image) {
        out += ",\"image\":[" + std::to_string(r.imageWidth) + "," + std::to_string(r.imageHeight) +
               "]";
    }
    out += '}';
    return out;
}

void DrawRecorder::onDraw(const DrawRecord& record) {
    std::lock_guard lock(mutex_);
    records_.push_back(record);
}

std::vector<DrawRecord> DrawRecorder::records() const {
    std::lock_guard lock(mutex_);
    return records_;
}

std::vector<DrawRecord> DrawRecorder::take() {
    std::lock_guard lock(mutex_);
    std::vector<DrawRecord> out;
    out.swap(records_);
    return out;
}

size_t DrawRecorder::size() const {
    std::lock_guard lock(mutex_);
    return records_.size();
}

void DrawRecorder::clear() {
    std::lock_guard lock(mutex_);
    records_.clear();
}

}  // namespace platform::gfx
