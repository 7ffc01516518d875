#pragma once
// Typed reading of one configuration value. Every reader takes the file, the
// section and the key; a missing key gives the caller's default and a
// malformed value gives zeros or the default, never a failure.
//
// Values are read with a 99-byte buffer, so at most 98 characters count. A
// key whose value is literally "<UNDEFINDED>" counts as missing. Readers that
// return text return a per-thread buffer that their next call overwrites.
#include <cstdint>

#include "platform/gfx/types.h"

namespace zentra {

inline constexpr const char* kMissingValue = "<UNDEFINDED>";
inline constexpr int kValueBufferSize = 99;

using ConfigPoint = platform::gfx::PointF;
using ConfigBox = platform::gfx::RectF;  // x = left, y = top, width, height

int readInt(const char* file, const char* section, const char* key, int defaultValue);
float readFloat(const char* file, const char* section, const char* key, float defaultValue);
double readDouble(const char* file, const char* section, const char* key, double defaultValue);

// YES / TRUE / 1 / ON read 1, NO / FALSE / 0 / OFF read 0, any letter case;
// other text reads the default.
int readBool(const char* file, const char* section, const char* key, int defaultValue);

// The first character of the value (0 when empty).
char readChar(const char* file, const char* section, const char* key, char defaultValue);

// The value with underscores made spaces; missing: defaultText itself.
const char* readText(const char* file, const char* section, const char* key,
                     const char* defaultText);

// The value made display text (toDisplayText); missing: defaultText itself.
const wchar_t* readWideText(const char* file, const char* section, const char* key,
                            const wchar_t* defaultText);

// A colour name, "TRANSPARENT" (black, and *transparent set to 1) or
// "red,green,blue" (missing parts 0, each cut to 8 bits): 0x00BBGGRR.
uint32_t parseColor(const char* text, int* transparent = nullptr);

// *transparent (when given) is cleared first; missing: defaultText is parsed.
uint32_t readColor(const char* file, const char* section, const char* key, const char* defaultText,
                   int* transparent = nullptr);

// Missing: defaultColor; "TRANSPARENT" reads black.
uint32_t readColorValue(const char* file, const char* section, const char* key,
                        uint32_t defaultColor);

// Alignment bits of a name of kAlignmentNames; unknown: the default.
int readAlignment(const char* file, const char* section, const char* key, int defaultAlignment);

// Index of the value among the first count names; none: defaultIndex.
int readNamed(const char* file, const char* section, const char* key, int count,
              const char* const* names, int defaultIndex);

// Numbers separated by '-' ("10-20-40"), at most capacity of them stored;
// returns how many were stored. Missing: the capacity is zeroed, 0 returned.
int readNumberList(const char* file, const char* section, const char* key, double* values,
                   int capacity);

// "x,y". The point persists between calls on a thread: a component the text
// does not give keeps the previous readPoint's value. An empty value reads
// (0, 0).
ConfigPoint readPoint(const char* file, const char* section, const char* key,
                      const char* defaultText);

// "left,top,right,bottom" read as (left, top, right - left, bottom - top);
// components not given are 0.
ConfigBox readBox(const char* file, const char* section, const char* key, const char* defaultText);

}  // namespace zentra
