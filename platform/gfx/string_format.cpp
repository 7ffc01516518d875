#include "platform/gfx/string_format.h"

namespace platform::gfx {
namespace {

bool known(StringAlignment a) {
    return a == StringAlignment::Near || a == StringAlignment::Center || a == StringAlignment::Far;
}

}  // namespace

StringFormat::StringFormat(int flags, int language) : flags_(flags), language_(language) {}

Status StringFormat::setAlignment(StringAlignment align) {
    if (!known(align)) return Status::InvalidParameter;
    align_ = align;
    return Status::Ok;
}

Status StringFormat::getAlignment(StringAlignment* align) const {
    if (align == nullptr) return Status::InvalidParameter;
    *align = align_;
    return Status::Ok;
}

Status StringFormat::setLineAlignment(StringAlignment align) {
    if (!known(align)) return Status::InvalidParameter;
    lineAlign_ = align;
    return Status::Ok;
}

Status StringFormat::getLineAlignment(StringAlignment* align) const {
    if (align == nullptr) return Status::InvalidParameter;
    *align = lineAlign_;
    return Status::Ok;
}

}  // namespace platform::gfx
