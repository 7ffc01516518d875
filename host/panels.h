#pragma once
// The host's function table, written into a module's ImportTable.
#include <cstdint>

#include "host/elements.h"
#include "host/gauge_header.h"
#include "host/module_var.h"

namespace host {

struct PanelsTable {
    // Element-list operations, called by the gauge header routines.
    void (*elementListQuery)(ElementHeader* const* list) = nullptr;
    void (*elementListInstall)(ElementHeader* const* list) = nullptr;
    void (*elementListInitialize)(ElementHeader* const* list) = nullptr;
    void (*elementListUpdate)(ElementHeader* const* list) = nullptr;
    void (*elementListGenerate)(ElementHeader* const* list) = nullptr;
    void (*elementListPlot)(ElementHeader* const* list) = nullptr;
    void (*elementListKill)(ElementHeader* const* list) = nullptr;

    // Module variables.
    void (*lookupVar)(ModuleVar* var) = nullptr;
    void (*initializeVar)(ModuleVar* var) = nullptr;
    void (*initializeVarByName)(ModuleVar* var, const char* name) = nullptr;

    // Aircraft variables.
    int32_t (*getAircraftVarEnum)(const char* name) = nullptr;
    double (*aircraftVarget)(int32_t varId, int32_t unitsEnum, int32_t index) = nullptr;
    int32_t (*getUnitsEnum)(const char* unitsName) = nullptr;

    // Calculator expressions; returns non-zero on success.
    int32_t (*executeCalculatorCode)(const char* code, double* fOut, int32_t* iOut,
                                     const char** sOut) = nullptr;

    // Panel windows.
    int32_t (*isPanelWindowVisibleIdent)(uint32_t ident) = nullptr;
    int32_t (*panelWindowToggle)(uint32_t ident) = nullptr;

    // Named variables.
    int32_t (*registerNamedVariable)(const char* name) = nullptr;
    int32_t (*checkNamedVariable)(const char* name) = nullptr;
    double (*getNamedVariableValue)(int32_t id) = nullptr;
    void (*setNamedVariableValue)(int32_t id, double value) = nullptr;

    // Simulator events.
    void (*triggerKeyEvent)(uint32_t eventId, uint32_t parameter) = nullptr;

    // Interface lookup by name ("ITrafficInfo"); null when the host has none.
    void* (*queryInterface)(const char* name) = nullptr;
};

}  // namespace host
