#include "zentra/config/config_reader.h"

#include <strings.h>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/profile_reader.h"
#include "zentra/config/config_read_log.h"
#include "zentra/config/named_values.h"
#include "zentra/draw/display_text.h"

namespace zentra {
namespace {

// The value text of a key; false when the key is missing.
bool fetch(const char* file, const char* section, const char* key, char (&buf)[kValueBufferSize]) {
    platform::win32::getPrivateProfileString(section, key, kMissingValue, buf, kValueBufferSize,
                                             file);
    return std::strcmp(buf, kMissingValue) != 0;
}

bool onlyBlanks(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return *text == '\0';
}

// Like "%d": blanks skipped, the number ends where its characters end. Values
// beyond int wrap as the C library stores them.
bool scanInt(std::string_view part, int& out, bool* trailing = nullptr) {
    const std::string text(part);
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str()) return false;
    out = static_cast<int>(static_cast<unsigned long long>(v));
    if (trailing != nullptr) *trailing = !onlyBlanks(end);
    return true;
}

// Like "%lf" / "%f", but only finite numbers count: "nan", "inf" or an
// overflowing exponent read as no number, so nothing downstream divides or
// converts a non-finite value.
template <typename Real>
bool scanReal(std::string_view part, Real& out, bool* trailing = nullptr) {
    const std::string text(part);
    char* end = nullptr;
    Real v;
    if constexpr (sizeof(Real) == sizeof(float)) {
        v = std::strtof(text.c_str(), &end);
    } else {
        v = std::strtod(text.c_str(), &end);
    }
    if (end == text.c_str() || !std::isfinite(v)) return false;
    out = v;
    if (trailing != nullptr) *trailing = !onlyBlanks(end);
    return true;
}

// Splits at sep; runs of separators count as one and empty parts are dropped.
std::vector<std::string_view> splitParts(const char* text, char sep) {
    std::vector<std::string_view> parts;
    if (text == nullptr) return parts;
    const std::string_view all(text);
    size_t pos = 0;
    while (pos < all.size()) {
        const size_t next = all.find(sep, pos);
        const size_t end = next == std::string_view::npos ? all.size() : next;
        if (end > pos) parts.push_back(all.substr(pos, end - pos));
        pos = end + 1;
    }
    return parts;
}

// Records one read when a log is active on this thread.
struct ReadNote {
    ReadNote(ReaderKind kind, const char* file, const char* section, const char* key, bool found,
             const char* value)
        : kind(kind), file(file), section(section), key(key), found(found), value(value) {}

    ReaderKind kind;
    const char* file;
    const char* section;
    const char* key;
    bool found;
    const char* value;
    bool defaulted = false;
    std::string problem;
    std::string accepted;
    int acceptedCount = 0;

    static bool wanted() { return ConfigReadLog::active() != nullptr; }

    void commit() const {
        ConfigReadLog* log = ConfigReadLog::active();
        if (log == nullptr) return;
        ConfigRead read;
        read.file = file != nullptr ? file : "";
        read.section = section != nullptr ? section : "";
        read.key = key != nullptr ? key : "";
        read.kind = kind;
        read.found = found;
        read.value = found && value != nullptr ? value : "";
        read.accepted = accepted;
        read.acceptedCount = acceptedCount;
        read.defaulted = defaulted;
        read.problem = problem;
        log->add(std::move(read));
    }
};

template <typename Number, typename Scan>
Number readNumber(ReaderKind kind, const char* file, const char* section, const char* key,
                  Number defaultValue, Scan scan) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    Number result = defaultValue;
    ReadNote note(kind, file, section, key, found, buf);
    if (found) {
        result = 0;  // a value without a number reads 0
        bool trailing = false;
        if (!scan(buf, result, &trailing)) {
            note.problem = "not a number, reads 0";
        } else if (trailing) {
            note.problem = "text after the number is ignored";
        }
    }
    note.commit();
    return result;
}

std::string joined(const char* const* names, int count) {
    std::string out;
    for (int i = 0; i < count; ++i) {
        if (i > 0) out += ", ";
        out += names[i];
    }
    return out;
}

// parseColor with the reason a text was not read as written.
uint32_t parseColorText(const char* text, int* transparent, std::string* problem) {
    if (text == nullptr) text = "";
    for (const ColorName& colour : kColorNames) {
        if (strcasecmp(text, colour.name) == 0) return colour.value;
    }
    if (strcasecmp(text, kTransparentWord) == 0) {
        if (transparent != nullptr) *transparent = 1;
        return 0;
    }
    const std::vector<std::string_view> parts = splitParts(text, ',');
    int rgb[3] = {0, 0, 0};
    int scanned = 0;
    for (size_t i = 0; i < parts.size() && i < 3; ++i) {
        if (scanInt(parts[i], rgb[i])) {
            ++scanned;
        } else if (problem != nullptr && problem->empty()) {
            *problem = "colour component " + std::to_string(i + 1) + " is not a number, reads 0";
        }
    }
    if (problem != nullptr) {
        if (parts.empty()) {
            *problem = "empty colour reads black";
        } else if (scanned == 0) {
            *problem = "unknown colour word, reads black";
        } else if (parts.size() > 3) {
            *problem = "more than three colour components; the rest is ignored";
        } else if (problem->empty()) {
            for (int c : rgb) {
                if (c < 0 || c > 255) *problem = "colour component outside 0..255 is cut to 8 bits";
            }
        }
    }
    return (static_cast<uint32_t>(rgb[2] & 0xFF) << 16) |
           (static_cast<uint32_t>(rgb[1] & 0xFF) << 8) | static_cast<uint32_t>(rgb[0] & 0xFF);
}

thread_local char textBuffer[kValueBufferSize];
thread_local std::wstring wideBuffer;
thread_local ConfigPoint lastPoint;

}  // namespace

int readInt(const char* file, const char* section, const char* key, int defaultValue) {
    return readNumber<int>(ReaderKind::Int, file, section, key, defaultValue,
                           [](const char* t, int& v, bool* tr) { return scanInt(t, v, tr); });
}

float readFloat(const char* file, const char* section, const char* key, float defaultValue) {
    return readNumber<float>(ReaderKind::Float, file, section, key, defaultValue,
                             [](const char* t, float& v, bool* tr) { return scanReal(t, v, tr); });
}

double readDouble(const char* file, const char* section, const char* key, double defaultValue) {
    return readNumber<double>(
        ReaderKind::Double, file, section, key, defaultValue,
        [](const char* t, double& v, bool* tr) { return scanReal(t, v, tr); });
}

int readBool(const char* file, const char* section, const char* key, int defaultValue) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Bool, file, section, key, found, buf);
    int result = defaultValue;
    if (found) {
        bool known = false;
        for (const char* word : kTrueWords) {
            if (strcasecmp(buf, word) == 0) result = 1, known = true;
        }
        for (const char* word : kFalseWords) {
            if (strcasecmp(buf, word) == 0) result = 0, known = true;
        }
        if (!known) {
            note.defaulted = true;
            note.problem =
                "not a boolean word (YES, TRUE, 1, ON, NO, FALSE, 0, OFF), the default " +
                std::to_string(defaultValue) + " is used";
        }
    }
    note.commit();
    return result;
}

char readChar(const char* file, const char* section, const char* key, char defaultValue) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote(ReaderKind::Char, file, section, key, found, buf).commit();
    return found ? buf[0] : defaultValue;
}

const char* readText(const char* file, const char* section, const char* key,
                     const char* defaultText) {
    const bool found = fetch(file, section, key, textBuffer);
    ReadNote(ReaderKind::Text, file, section, key, found, textBuffer).commit();
    if (!found) return defaultText;
    for (char* c = textBuffer; *c != '\0'; ++c) {
        if (*c == '_') *c = ' ';
    }
    return textBuffer;
}

const wchar_t* readWideText(const char* file, const char* section, const char* key,
                            const wchar_t* defaultText) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote(ReaderKind::WideText, file, section, key, found, buf).commit();
    if (!found) return defaultText;
    wideBuffer = toDisplayText(buf);
    return wideBuffer.c_str();
}

uint32_t parseColor(const char* text, int* transparent) {
    return parseColorText(text, transparent, nullptr);
}

uint32_t readColor(const char* file, const char* section, const char* key, const char* defaultText,
                   int* transparent) {
    if (transparent != nullptr) *transparent = 0;
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Color, file, section, key, found, buf);
    const uint32_t colour = parseColorText(found ? buf : defaultText, transparent,
                                           found && ReadNote::wanted() ? &note.problem : nullptr);
    note.commit();
    return colour;
}

uint32_t readColorValue(const char* file, const char* section, const char* key,
                        uint32_t defaultColor) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::ColorValue, file, section, key, found, buf);
    uint32_t colour = defaultColor;
    if (found) {
        colour = parseColorText(buf, nullptr, ReadNote::wanted() ? &note.problem : nullptr);
        if (strcasecmp(buf, kTransparentWord) == 0) {
            note.problem = "TRANSPARENT is not accepted here, reads black";
        }
    }
    note.commit();
    return colour;
}

int readAlignment(const char* file, const char* section, const char* key, int defaultAlignment) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Alignment, file, section, key, found, buf);
    int result = defaultAlignment;
    if (found) {
        bool known = false;
        for (const AlignmentName& a : kAlignmentNames) {
            if (strcasecmp(buf, a.name) == 0) {
                result = a.value;
                known = true;
                break;
            }
        }
        if (!known) {
            note.defaulted = true;
            note.problem = "unknown alignment, the default is used";
        }
    }
    note.commit();
    return result;
}

int readNamed(const char* file, const char* section, const char* key, int count,
              const char* const* names, int defaultIndex) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Named, file, section, key, found, buf);
    if (names == nullptr || count < 0) count = 0;
    int result = defaultIndex;
    if (found) {
        int index = -1;
        for (int i = 0; i < count && index < 0; ++i) {
            if (strcasecmp(buf, names[i]) == 0) index = i;
        }
        if (index >= 0) {
            result = index;
        } else if (ReadNote::wanted()) {
            note.defaulted = true;
            bool beyond = false;
            const int length = nameTableLength(names);
            for (int i = count; i < length; ++i) {
                if (strcasecmp(buf, names[i]) == 0) beyond = true;
            }
            note.problem = std::string(beyond ? "name not accepted for this key" : "unknown name") +
                           " (accepted: " + joined(names, count) + "), the default is used";
        }
    }
    if (ReadNote::wanted()) {
        note.accepted = joined(names, count);
        note.acceptedCount = count;
    }
    note.commit();
    return result;
}

int readNumberList(const char* file, const char* section, const char* key, double* values,
                   int capacity) {
    if (values == nullptr || capacity < 0) capacity = 0;
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::NumberList, file, section, key, found, buf);
    int stored = 0;
    if (!found) {
        for (int i = 0; i < capacity; ++i) values[i] = 0;
    } else {
        const std::vector<std::string_view> parts = splitParts(buf, '-');
        // Never past the caller's array: further numbers are dropped.
        for (const std::string_view part : parts) {
            double v = 0;
            if (!scanReal(part, v) && note.problem.empty()) {
                note.problem = "list part '" + std::string(part) + "' is not a number, reads 0";
            }
            if (stored < capacity) values[stored++] = v;
        }
        if (static_cast<int>(parts.size()) > capacity) {
            note.problem = "only the first " + std::to_string(capacity) + " numbers are kept";
        }
    }
    note.commit();
    return stored;
}

ConfigPoint readPoint(const char* file, const char* section, const char* key,
                      const char* defaultText) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Point, file, section, key, found, buf);
    const std::vector<std::string_view> parts = splitParts(found ? buf : defaultText, ',');
    if (parts.empty()) {
        lastPoint = ConfigPoint{};
        if (found) note.problem = "empty point reads 0,0";
    } else {
        const bool xOk = scanReal(parts[0], lastPoint.x);
        const bool yOk = parts.size() < 2 || scanReal(parts[1], lastPoint.y);
        if (found && (!xOk || !yOk)) {
            note.problem = "point component is not a number, the previous point's value is kept";
        } else if (found && parts.size() > 2) {
            note.problem = "more than two point components; the rest is ignored";
        }
    }
    note.commit();
    return lastPoint;
}

ConfigBox readBox(const char* file, const char* section, const char* key, const char* defaultText) {
    char buf[kValueBufferSize];
    const bool found = fetch(file, section, key, buf);
    ReadNote note(ReaderKind::Box, file, section, key, found, buf);
    const std::vector<std::string_view> parts = splitParts(found ? buf : defaultText, ',');
    float edges[4] = {0, 0, 0, 0};  // left, top, right, bottom
    for (size_t i = 0; i < parts.size() && i < 4; ++i) {
        float v = 0;
        if (scanReal(parts[i], v)) {
            edges[i] = v;
        } else if (found && note.problem.empty()) {
            note.problem = "box component " + std::to_string(i + 1) + " is not a number, reads 0";
        }
    }
    if (found && parts.empty()) note.problem = "empty box reads 0,0,0,0";
    if (found && parts.size() > 4)
        note.problem = "more than four box components; the rest is ignored";
    note.commit();
    return ConfigBox{edges[0], edges[1], edges[2] - edges[0], edges[3] - edges[1]};
}

}  // namespace zentra
