#include "simhost/panel_file.h"

#include <fstream>
#include <set>
#include <sstream>

#include "simhost/host_error.h"
#include "simhost/text_words.h"

namespace simhost {
namespace {

struct Reader {
    const std::string& file;
    int line = 0;
    [[noreturn]] void fail(const std::string& problem) const {
        throw HostError(file, line, problem);
    }
};

std::vector<std::string> splitCommas(std::string_view s) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        size_t comma = s.find(',', start);
        parts.emplace_back(trimBlanks(s.substr(start, comma - start)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return parts;
}

int intField(const Reader& r, const std::string& text, const char* what, int min) {
    auto v = parseInteger(text);
    if (!v || *v < min || *v > 100000) {
        r.fail(std::string("bad ") + what + " \"" + text + "\"");
    }
    return static_cast<int>(*v);
}

bool isPrefixed(const std::string& lower, const char* prefix, std::string* rest) {
    const std::string p(prefix);
    if (lower.rfind(p, 0) != 0) return false;
    *rest = lower.substr(p.size());
    if (rest->empty()) return false;
    for (char c : *rest) {
        if (c < '0' || c > '9') return false;
    }
    return true;
}

GaugePlacement parseGauge(const Reader& r, const std::string& key, std::string_view value) {
    GaugePlacement g;
    g.key = key;
    g.line = r.line;
    std::vector<std::string> parts = splitCommas(value);
    const size_t bang = parts[0].find('!');
    if (bang == std::string::npos || bang == 0 || bang + 1 == parts[0].size()) {
        r.fail("gauge must be given as module!gauge, x, y[, w[, h]]");
    }
    g.module = std::string(trimBlanks(parts[0].substr(0, bang)));
    g.gauge = std::string(trimBlanks(parts[0].substr(bang + 1)));
    if (parts.size() < 3) r.fail("gauge needs a position: module!gauge, x, y[, w[, h]]");
    if (parts.size() > 5) r.fail("too many fields after the gauge name");
    g.x = intField(r, parts[1], "x", -100000);
    g.y = intField(r, parts[2], "y", -100000);
    if (parts.size() > 3) g.w = intField(r, parts[3], "width", 1);
    if (parts.size() > 4) g.h = intField(r, parts[4], "height", 1);
    return g;
}

}  // namespace

PanelLayout parsePanel(std::string_view text, const std::string& fileName) {
    PanelLayout layout;
    layout.file = fileName;
    Reader r{fileName};
    WindowSpec* current = nullptr;
    std::set<std::string> sectionsSeen;
    std::set<std::string> keysSeen;
    std::vector<bool> identGiven;

    auto finishSection = [&]() {
        if (!current) return;
        Reader at{fileName, current->line};
        if (current->width == 0) at.fail("[" + current->section + "] has no size=W,H");
        if (!current->isVc && !identGiven.back()) {
            at.fail("[" + current->section + "] has no ident=N");
        }
    };

    for (const std::string& raw : splitLines(text)) {
        ++r.line;
        std::string_view line = trimBlanks(raw);
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') r.fail("section header without closing ]");
            finishSection();
            std::string name(trimBlanks(line.substr(1, line.size() - 2)));
            std::string lower = lowerCase(name), rest;
            WindowSpec w;
            w.section = name;
            w.line = r.line;
            if (isPrefixed(lower, "window", &rest)) {
                w.isVc = false;
            } else if (isPrefixed(lower, "vcockpit", &rest)) {
                w.isVc = true;
            } else {
                r.fail("unknown section [" + name + "] (expected [WindowNN] or [VCockpitNN])");
            }
            if (!sectionsSeen.insert(lower).second) r.fail("section [" + name + "] given twice");
            const bool mainWindow = !w.isVc && rest.find_first_not_of('0') == std::string::npos;
            identGiven.push_back(mainWindow);  // Window00 is the main panel, ident 0
            layout.windows.push_back(std::move(w));
            current = &layout.windows.back();
            keysSeen.clear();
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string_view::npos) r.fail("expected key=value");
        const std::string key = lowerCase(trimBlanks(line.substr(0, eq)));
        const std::string_view value = trimBlanks(line.substr(eq + 1));
        if (!current) r.fail("\"" + key + "\" before any [WindowNN] or [VCockpitNN] section");
        if (!keysSeen.insert(key).second) r.fail("key \"" + key + "\" given twice");
        std::string rest;
        if (isPrefixed(key, "gauge", &rest)) {
            current->gauges.push_back(parseGauge(r, key, value));
        } else if (key == "size") {
            std::vector<std::string> parts = splitCommas(value);
            if (parts.size() != 2) r.fail("size must be W,H");
            current->width = intField(r, parts[0], "width", 1);
            current->height = intField(r, parts[1], "height", 1);
            if (current->width > 8192 || current->height > 8192) {
                r.fail("size larger than 8192 x 8192");
            }
        } else if (key == "ident") {
            if (current->isVc) r.fail("a virtual-cockpit surface has no ident");
            auto v = parseInteger(value);
            if (!v || *v < 0 || *v > 0xFFFFFFFFll)
                r.fail("bad ident \"" + std::string(value) + "\"");
            current->ident = static_cast<uint32_t>(*v);
            identGiven.back() = true;
        } else if (key == "visible") {
            if (current->isVc) r.fail("a virtual-cockpit surface shows in view mode 2 only");
            if (value == "1") {
                current->visible = true;
            } else if (value == "0") {
                current->visible = false;
            } else {
                r.fail("visible must be 0 or 1");
            }
        } else if (key == "background") {
            std::vector<std::string> parts = splitCommas(value);
            if (parts.size() != 3) r.fail("background must be R,G,B");
            uint32_t rgb = 0;
            for (const std::string& p : parts) {
                auto v = parseInteger(p);
                if (!v || *v < 0 || *v > 255) r.fail("colour part \"" + p + "\" is not 0 to 255");
                rgb = (rgb << 8) | static_cast<uint32_t>(*v);
            }
            current->background = rgb;
        } else {
            r.fail("unknown key \"" + key + "\"");
        }
    }
    finishSection();
    if (layout.windows.empty())
        throw HostError(fileName, 0, "no [WindowNN] or [VCockpitNN] section");
    std::set<uint32_t> idents;
    for (const WindowSpec& w : layout.windows) {
        if (!w.isVc && !idents.insert(w.ident).second) {
            throw HostError(fileName, w.line, "ident " + std::to_string(w.ident) + " used twice");
        }
    }
    return layout;
}

PanelLayout readPanelFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw HostError(path, 0, "cannot read the panel file");
    std::ostringstream text;
    text << in.rdbuf();
    return parsePanel(text.str(), path);
}

}  // namespace simhost
