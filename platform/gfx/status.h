#pragma once
// Result of every graphics call. Nothing in platform::gfx throws: a call
// that cannot do its work says why here, and the caller stores it and goes on.
#include <cstdint>

namespace platform::gfx {

enum class Status : int32_t {
    Ok = 0,
    GenericError = 1,
    InvalidParameter = 2,
    OutOfMemory = 3,
    ObjectBusy = 4,
    InsufficientBuffer = 5,
    NotImplemented = 6,
    WrongState = 8,
    Aborted = 9,
    ValueOverflow = 11,
    FontFamilyNotFound = 14,
    FontStyleNotFound = 15,
    UnsupportedVersion = 17,
    NotStarted = 18,
};

const char* statusName(Status status);

}  // namespace platform::gfx
