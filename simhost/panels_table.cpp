#include "simhost/panels_table.h"

#include "simhost/aircraft_vars.h"
#include "simhost/simulator.h"

namespace simhost {
namespace {

Simulator* sim() { return Simulator::current(); }

void listNothing(host::ElementHeader* const*) {}

void listUpdate(host::ElementHeader* const* list) {
    if (sim()) sim()->elementListUpdate(list);
}

void listPlot(host::ElementHeader* const* list) {
    if (sim()) sim()->elementListPlot(list);
}

void lookupVar(host::ModuleVar* var) {
    if (sim()) sim()->lookupVar(var);
}

void initializeVarByName(host::ModuleVar* var, const char* name) {
    if (sim()) sim()->initializeVarByName(var, name);
}

int32_t getAircraftVarEnum(const char* name) { return sim() ? sim()->aircraftVarEnum(name) : -1; }

double aircraftVarget(int32_t id, int32_t unitsEnum, int32_t index) {
    return sim() ? sim()->aircraftVarget(id, unitsEnum, index) : 0.0;
}

int32_t getUnitsEnum(const char* name) { return name ? unitsEnum(name) : -1; }

int32_t executeCalculatorCode(const char* code, double* f, int32_t* i, const char** s) {
    if (sim()) return sim()->executeCalculatorCode(code, f, i, s);
    if (f) *f = 0.0;
    if (i) *i = 0;
    if (s) *s = "";
    return 0;
}

int32_t isPanelWindowVisibleIdent(uint32_t ident) {
    return sim() ? sim()->isPanelWindowVisible(ident) : 0;
}

int32_t panelWindowToggle(uint32_t ident) { return sim() ? sim()->panelWindowToggle(ident) : 0; }

int32_t registerNamedVariable(const char* name) {
    return sim() && name ? sim()->namedVariables().create(name) : -1;
}

int32_t checkNamedVariable(const char* name) {
    return sim() && name ? sim()->namedVariables().find(name) : -1;
}

double getNamedVariableValue(int32_t id) { return sim() ? sim()->namedVariables().get(id) : 0.0; }

void setNamedVariableValue(int32_t id, double value) {
    if (sim()) sim()->namedVariables().set(id, value);
}

void triggerKeyEvent(uint32_t eventId, uint32_t parameter) {
    if (sim()) sim()->triggerKeyEvent(eventId, parameter);
}

// No host interfaces are offered yet (the traffic interface comes later).
void* queryInterface(const char*) { return nullptr; }

}  // namespace

host::PanelsTable makePanelsTable() {
    host::PanelsTable t;
    t.elementListQuery = listNothing;
    t.elementListInstall = listNothing;
    t.elementListInitialize = listNothing;
    t.elementListUpdate = listUpdate;
    t.elementListGenerate = listNothing;
    t.elementListPlot = listPlot;
    t.elementListKill = listNothing;
    t.lookupVar = lookupVar;
    t.initializeVar = lookupVar;
    t.initializeVarByName = initializeVarByName;
    t.getAircraftVarEnum = getAircraftVarEnum;
    t.aircraftVarget = aircraftVarget;
    t.getUnitsEnum = getUnitsEnum;
    t.executeCalculatorCode = executeCalculatorCode;
    t.isPanelWindowVisibleIdent = isPanelWindowVisibleIdent;
    t.panelWindowToggle = panelWindowToggle;
    t.registerNamedVariable = registerNamedVariable;
    t.checkNamedVariable = checkNamedVariable;
    t.getNamedVariableValue = getNamedVariableValue;
    t.setNamedVariableValue = setNamedVariableValue;
    t.triggerKeyEvent = triggerKeyEvent;
    t.queryInterface = queryInterface;
    return t;
}

}  // namespace simhost
