#pragma once
// The few file calls the modules need, with Win32 meanings: failure values
// and the last error, never exceptions. Share modes are honoured between
// handles of this process.
#include <cstdint>

#include "platform/win32/handles.h"

namespace platform::win32 {

inline constexpr uint32_t kGenericRead = 0x80000000u;
inline constexpr uint32_t kGenericWrite = 0x40000000u;

inline constexpr uint32_t kFileShareRead = 0x1;
inline constexpr uint32_t kFileShareWrite = 0x2;
inline constexpr uint32_t kFileShareDelete = 0x4;

inline constexpr uint32_t kCreateNew = 1;
inline constexpr uint32_t kCreateAlways = 2;
inline constexpr uint32_t kOpenExisting = 3;
inline constexpr uint32_t kOpenAlways = 4;

inline constexpr uint32_t kFileAttributeNormal = 0x80;

// kInvalidHandle on failure (getLastError tells why).
Handle createFile(const char* path, uint32_t access, uint32_t shareMode, uint32_t creation,
                  uint32_t attributes);

// Reads up to toRead bytes; *bytesRead is the count (0 at end of file).
bool readFile(Handle file, void* buffer, uint32_t toRead, uint32_t* bytesRead);

// Writes all bytes unless the device fails; *bytesWritten is the count.
bool writeFile(Handle file, const void* buffer, uint32_t toWrite, uint32_t* bytesWritten);

// Fails while the file is open in this process without delete sharing.
bool deleteFile(const char* path);

}  // namespace platform::win32
