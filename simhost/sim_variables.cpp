#include "simhost/sim_variables.h"

namespace simhost {

SimVariables::SimVariables() {
    for (const TokenEntry& e : tokenTable()) {
        if (e.encoding == Encoding::Text) {
            setText(e.token, "");
        } else {
            setNatural(e, e.initial);
        }
    }
    setRaw(kSimTimeToken, 0.0);
}

SimVariables::Slot& SimVariables::slot(int token, host::VarType type) {
    Slot& s = slots_[token];
    s.type = type;
    return s;
}

void SimVariables::setNatural(const TokenEntry& entry, double natural) {
    slot(entry.token, entry.type).value = encodeValue(entry, natural);
}

void SimVariables::setText(int token, const std::string& text) {
    Slot& s = slot(token, host::VarType::Text);
    s.text = text;
    s.value.raw = 0;
    s.value.s = s.text.c_str();
}

void SimVariables::setRaw(int token, double value) {
    Slot& s = slot(token, host::VarType::Number);
    s.value.raw = 0;
    s.value.n = value;
}

host::VarValue SimVariables::value(int token) const {
    auto it = slots_.find(token);
    if (it == slots_.end()) {
        host::VarValue v{};
        v.raw = 0;
        return v;
    }
    return it->second.value;
}

host::VarType SimVariables::type(int token) const {
    auto it = slots_.find(token);
    return it == slots_.end() ? host::VarType::Number : it->second.type;
}

void SimVariables::read(host::ModuleVar& var) const {
    var.prevValue = var.value;
    var.value = value(var.id);
    var.varType = type(var.id);
}

}  // namespace simhost
