#include "platform/gfx/status.h"

namespace platform::gfx {

const char* statusName(Status status) {
    switch (status) {
        case Status::Ok:
            return "Ok";
        case Status::GenericError:
            return "GenericError";
        case Status::InvalidParameter:
            return "InvalidParameter";
        case Status::OutOfMemory:
            return "OutOfMemory";
        case Status::ObjectBusy:
            return "ObjectBusy";
        case Status::InsufficientBuffer:
            return "InsufficientBuffer";
        case Status::NotImplemented:
            return "NotImplemented";
        case Status::WrongState:
            return "WrongState";
        case Status::Aborted:
            return "Aborted";
        case Status::ValueOverflow:
            return "ValueOverflow";
        case Status::FontFamilyNotFound:
            return "FontFamilyNotFound";
        case Status::FontStyleNotFound:
            return "FontStyleNotFound";
        case Status::UnsupportedVersion:
            return "UnsupportedVersion";
        case Status::NotStarted:
            return "NotStarted";
    }
    return "Unknown";
}

}  // namespace platform::gfx
