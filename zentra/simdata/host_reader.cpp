#include "zentra/simdata/host_reader.h"

#include <cmath>
#include <limits>

#include "host/module_var.h"
#include "zentra/frame/host_access.h"

namespace zentra {

namespace {

bool lookup(int32_t token, host::ModuleVar* var) {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->lookupVar == nullptr) return false;
    var->id = token;
    var->value.raw = 0;
    panels->lookupVar(var);
    return true;
}

}  // namespace

double readVarNumber(int32_t token) {
    host::ModuleVar var;
    return lookup(token, &var) ? var.value.n : 0.0;
}

int32_t readVarWord(int32_t token) {
    host::ModuleVar var;
    return lookup(token, &var) ? var.value.d : 0;
}

const char* readVarText(int32_t token) {
    host::ModuleVar var;
    return lookup(token, &var) ? var.value.s : nullptr;
}

double readAircraftVar(int32_t varId, const char* unitsName, int32_t index) {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->aircraftVarget == nullptr) return 0.0;
    const int32_t units = panels->getUnitsEnum != nullptr ? panels->getUnitsEnum(unitsName) : 0;
    return panels->aircraftVarget(varId, units, index);
}

bool readCalculatorInt(const char* expression, int32_t* out) {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->executeCalculatorCode == nullptr) return false;
    double f = 0.0;
    int32_t i = 0;
    const char* s = nullptr;
    if (panels->executeCalculatorCode(expression, &f, &i, &s) == 0) return false;
    *out = i;
    return true;
}

void* findNamedValue(const char* name) {
    host::PanelsTable* panels = hostPanels();
    if (panels == nullptr || panels->initializeVarByName == nullptr) return nullptr;
    host::ModuleVar var;
    panels->initializeVarByName(&var, name);
    return var.varPtr;
}

int32_t truncToInt(double value) {
    if (std::isnan(value)) return 0;
    constexpr double kMax = std::numeric_limits<int32_t>::max();
    constexpr double kMin = std::numeric_limits<int32_t>::min();
    if (value >= kMax) return std::numeric_limits<int32_t>::max();
    if (value <= kMin) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int32_t halfUp(double value) { return truncToInt(std::floor(value + 0.5)); }

}  // namespace zentra
