#pragma once
// Process-wide draw recording: when a file is set, every graphics object
// created afterwards also writes its primitives to it as JSON lines
// (docs/draw-recording.md).
#include <string>

#include "platform/gfx/status.h"

namespace platform::gfx {

class DrawObserver;

// Opens (truncates) the file; an empty path stops recording and closes it.
// GenericError when the file cannot be opened (recording is then off).
Status setDrawRecordingFile(const std::string& path);
// The observer that writes to the file, or null when recording is off.
DrawObserver* drawRecordingObserver();
// Writes buffered lines out.
void flushDrawRecording();

}  // namespace platform::gfx
