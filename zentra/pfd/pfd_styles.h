#pragma once
// The PFD's style and font tables as section "PFD" configures them.
#include "zentra/draw/font_table.h"
#include "zentra/draw/style_table.h"
#include "zentra/pfd/pfd_settings.h"

namespace zentra {

constexpr int kPfdStyleSlots = 96;
constexpr int kPfdFontSlots = 48;

// Style slots the drawing code names.
enum PfdStyle : int {
    kStyleForeground = 0,
    kStyleBackground = 1,
    kStyleApArmed = 2,
    kStyleApEngaged = 3,
    kStyleEarth = 4,
    kStyleSky = 5,
    kStyleAttitude = 6,
    kStyleBarOutline = 7,
    kStyleBarFill = 8,
    kStyleAttitudeFrame = 9,
    kStyleFlightDirector = 10,
    kStyleBankPointer = 14,
    kStyleSpeedTape = 15,
    kStyleSpeedTapeBackground = 16,
    kStyleMinSpeedPen = 17,
    kStyleMinSpeedFill = 18,
    kStyleMaxSpeedPen = 19,
    kStyleMaxSpeedFill = 20,
    kStyleSpeedWindow = 22,
    kStyleSpeedWindowBackground = 23,
    kStyleSpeedWindowText = 24,
    kStyleSpeedIndexPen = 26,
    kStyleSpeedIndexFill = 27,
};
// First slots of the per-field colours; field i uses first + i.
constexpr int kStyleInfoFirst = 44;
constexpr int kStyleUserMessageFirst = 86;

enum PfdFont : int {
    kFontAttitude = 0,
    kFontSpeedTape = 2,
    kFontSpeedWindow = 3,
    kFontSpeedRolling = 4,
};
constexpr int kFontInfoFirst = 10;
constexpr int kFontUserMessageFirst = 38;

// Resets and fills the style table in slot order (the info and user
// message colours last). The shape keys of settings must have been read.
void loadPfdStyles(const char* file, const char* section, const PfdSettings& settings,
                   StyleTable& styles);
// Resets and fills the font table in slot order.
void loadPfdFonts(const char* file, const char* section, FontTable& fonts);

}  // namespace zentra
