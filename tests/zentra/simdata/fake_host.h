#pragma once
// A host stand-in for unit tests: module variables, aircraft variables,
// calculator answers, named variables and panel-window toggles, installed
// into the module's ImportTable for the fake's lifetime.
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "host/panels.h"
#include "zentra/frame/host_access.h"

namespace zentra::testing {

class FakeHost {
  public:
    FakeHost() {
        current() = this;
        table.lookupVar = &lookupVar;
        table.initializeVarByName = &initializeVarByName;
        table.getUnitsEnum = &getUnitsEnum;
        table.aircraftVarget = &aircraftVarget;
        table.executeCalculatorCode = &executeCalculatorCode;
        table.panelWindowToggle = &panelWindowToggle;
        ImportTable.panels.table = &table;
    }
    ~FakeHost() {
        ImportTable.panels.table = nullptr;
        current() = nullptr;
    }
    FakeHost(const FakeHost&) = delete;
    FakeHost& operator=(const FakeHost&) = delete;

    void setNumber(int32_t token, double v) { vars[token].n = v; }
    void setWord(int32_t token, int32_t v) {
        vars[token].raw = 0;
        vars[token].d = v;
    }
    void setText(int32_t token, const char* s) { vars[token].s = s; }
    void setAircraftVar(int32_t id, const std::string& units, int32_t index, double v) {
        aircraftVars[{id, units, index}] = v;
    }
    void setCalculator(const std::string& expression, int32_t result) {
        calculator[expression] = result;
    }
    void setNamed(const std::string& name, void* address) { named[name] = address; }

    host::PanelsTable table;
    std::map<int32_t, host::VarValue> vars;
    std::map<std::tuple<int32_t, std::string, int32_t>, double> aircraftVars;
    std::map<std::string, int32_t> calculator;
    std::map<std::string, void*> named;
    std::vector<std::string> namedLookups;
    std::vector<uint32_t> toggled;
    int lookupCount = 0;

  private:
    static FakeHost*& current() {
        static FakeHost* host = nullptr;
        return host;
    }
    static const std::vector<std::string>& units() {
        static const std::vector<std::string> names = {"knot",   "percent", "degree",
                                                       "number", "Pound",   "enum"};
        return names;
    }
    static void lookupVar(host::ModuleVar* var) {
        FakeHost* h = current();
        ++h->lookupCount;
        auto it = h->vars.find(var->id);
        var->value.raw = 0;
        if (it != h->vars.end()) var->value = it->second;
    }
    static void initializeVarByName(host::ModuleVar* var, const char* name) {
        FakeHost* h = current();
        h->namedLookups.emplace_back(name);
        auto it = h->named.find(name);
        var->varPtr = it != h->named.end() ? it->second : nullptr;
    }
    static int32_t getUnitsEnum(const char* name) {
        for (size_t i = 0; i < units().size(); ++i) {
            if (units()[i] == name) return static_cast<int32_t>(i);
        }
        return -1;
    }
    static double aircraftVarget(int32_t id, int32_t unitsEnum, int32_t index) {
        if (unitsEnum < 0) return 0.0;
        auto it = current()->aircraftVars.find({id, units()[unitsEnum], index});
        return it != current()->aircraftVars.end() ? it->second : 0.0;
    }
    static int32_t executeCalculatorCode(const char* code, double*, int32_t* i, const char**) {
        auto it = current()->calculator.find(code);
        if (it == current()->calculator.end()) return 0;
        *i = it->second;
        return 1;
    }
    static int32_t panelWindowToggle(uint32_t ident) {
        current()->toggled.push_back(ident);
        return 1;
    }
};

}  // namespace zentra::testing
