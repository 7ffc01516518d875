#pragma once
// Style and font slots of the PFD's altitude, annunciation, HSI and info
// groups, numbered as section "PFD" configures them.
namespace zentra::pfd_slots {

enum Style : int {
    kApArmed = 2,
    kApEngaged = 3,
    kRadioAltitudeText = 12,
    kRadioAltitudeBackground = 13,
    kAltitudeTape = 28,
    kAltitudeTapeBackground = 29,
    kGroundBar = 30,
    kGroundHatch = 31,
    kAltitudeWindow = 32,
    kAltitudeWindowBackground = 33,
    kAltitudeWindowText = 34,
    kFmaLines = 35,
    kFmaBackground = 36,
    kFmaText = 37,
    kIlsScale = 38,
    kIlsIndicator = 39,
    kVsBackground = 40,
    kVsScale = 41,
    kVsNeedle = 42,
    kVsHighNeedle = 43,
    kInfoFirst = 44,
    kOmiBackground = 69,
    kOmiOuter = 70,
    kOmiMiddle = 71,
    kOmiInner = 72,
    kHsiBackground = 73,
    kHsiForeground = 74,
    kHsiIndex = 75,
    kHsiText = 76,
    kVor1Needle = 77,
    kVor2Needle = 78,
    kAdfNeedle = 79,
    kCourseNeedle = 80,
    kDeviationBar = 81,
    kToFromBackground = 82,
    kGpsNeedle = 83,
    kHeadingLine = 84,
    kHeadingLineHold = 85,
    kUserMessageFirst = 86,
};

enum Font : int {
    kRadioAltitudeFont = 1,
    kAltitudeTapeFont = 5,
    kAltitudeWindowFont = 6,
    kAltitudeRollingFont = 7,
    kFmaFont = 8,
    kVsFont = 9,
    kInfoFontFirst = 10,
    kOmiFont = 35,
    kHsiFont = 36,
    kHsiSmallFont = 37,
    kUserMessageFontFirst = 38,
};

}  // namespace zentra::pfd_slots
