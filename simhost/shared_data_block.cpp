#include "simhost/shared_data_block.h"

#include <cmath>
#include <cstring>
#include <string>

namespace simhost {

const std::vector<SharedField>& sharedFields() {
    static const std::vector<SharedField> fields = {
        {"pfd_brightness", 0, FieldKind::Float, "PFD brightness factor"},
        {"nd_brightness", 4, FieldKind::Float, "ND brightness factor"},
        {"eicas_brightness", 8, FieldKind::Float, "EICAS brightness factor"},
        {"pfd_baro_unit", 20, FieldKind::Int32, "PFD barometric unit: 1 millibars, else inHg"},
        {"pfd_std_pressure", 24, FieldKind::Int32, "PFD standard pressure selected"},
        {"pfd_mach", 28, FieldKind::Int32, "PFD autopilot speed shown as Mach"},
        {"nd_mode", 52, FieldKind::Int32, "ND mode"},
        {"nd_range", 56, FieldKind::Float, "ND range, nautical miles"},
        {"nd_vor1", 60, FieldKind::Int32, "ND VOR 1 needle visible"},
        {"nd_course", 64, FieldKind::Int32, "ND course pointer visible"},
        {"nd_vor2", 68, FieldKind::Int32, "ND VOR 2 needle visible"},
        {"nd_adf", 72, FieldKind::Int32, "ND ADF needle visible"},
        {"nd_flight_plan", 76, FieldKind::Int32, "ND flight plan visible"},
        {"nd_range_rings", 80, FieldKind::Int32, "ND range rings visible"},
        {"nd_plan_centre", 84, FieldKind::UInt32, "ND plan mode centre waypoint index"},
    };
    return fields;
}

const SharedField* findSharedField(std::string_view name) {
    for (const SharedField& f : sharedFields()) {
        if (name == f.name) return &f;
    }
    return nullptr;
}

SharedDataBlock::SharedDataBlock() { std::memset(bytes_, 0, sizeof bytes_); }

void SharedDataBlock::set(const SharedField& field, double value) {
    uint8_t* at = bytes_ + field.offset;
    switch (field.kind) {
        case FieldKind::Float: {
            float f = static_cast<float>(value);
            std::memcpy(at, &f, 4);
            break;
        }
        case FieldKind::Int32: {
            int32_t i = std::isfinite(value) ? static_cast<int32_t>(std::trunc(value)) : 0;
            std::memcpy(at, &i, 4);
            break;
        }
        case FieldKind::UInt32: {
            uint32_t u = (std::isfinite(value) && value > 0)
                             ? static_cast<uint32_t>(std::fmin(std::trunc(value), 4294967295.0))
                             : 0u;
            std::memcpy(at, &u, 4);
            break;
        }
    }
}

double SharedDataBlock::get(const SharedField& field) const {
    const uint8_t* at = bytes_ + field.offset;
    switch (field.kind) {
        case FieldKind::Float: {
            float f;
            std::memcpy(&f, at, 4);
            return f;
        }
        case FieldKind::Int32: {
            int32_t i;
            std::memcpy(&i, at, 4);
            return i;
        }
        case FieldKind::UInt32: {
            uint32_t u;
            std::memcpy(&u, at, 4);
            return u;
        }
    }
    return 0.0;
}

}  // namespace simhost
