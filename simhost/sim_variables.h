#pragma once
// The host's current module-variable values, by token, as the modules read
// them through lookup_var.
#include <string>
#include <unordered_map>

#include "host/module_var.h"
#include "simhost/token_table.h"

namespace simhost {

constexpr int kSimTimeToken = 604;

class SimVariables {
  public:
    // Every token of the table starts at its initial natural value.
    SimVariables();

    void setNatural(const TokenEntry& entry, double natural);
    void setText(int token, const std::string& text);
    // A raw field value as a double (scenario "raw" lines, the sim time).
    void setRaw(int token, double value);

    // Fills the record's value (and its type) from its token; the old value
    // becomes the previous value. Unknown tokens read 0.
    void read(host::ModuleVar& var) const;

    host::VarValue value(int token) const;
    host::VarType type(int token) const;

  private:
    struct Slot {
        host::VarValue value{};
        host::VarType type = host::VarType::Number;
        std::string text;
    };
    Slot& slot(int token, host::VarType type);

    std::unordered_map<int, Slot> slots_;
};

}  // namespace simhost
