#pragma once
// Module variables: host values addressed by token number.
#include <cstdint>

namespace host {

enum class VarType : int32_t { Number = 0, Integer = 1, Text = 2, Pointer = 3 };

// 8-byte value field: a double, or a 32-bit integer or a text address in
// its first word (the address is a native pointer here).
union VarValue {
    double n;
    int32_t d;
    const char* s;
    void* p;
    int64_t raw;
};

struct ModuleVar {
    int32_t id = 0;            // token number
    void* varPtr = nullptr;    // value address (initialize_var_by_name)
    VarType varType = VarType::Number;
    VarValue value{};
    VarValue prevValue{};
};

}  // namespace host
