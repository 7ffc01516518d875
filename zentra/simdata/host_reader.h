#pragma once
// Typed reads of host values through the module's function table. Without a
// host (or without the operation) every read gives 0 or an empty text.
#include <cstdint>

namespace zentra {

// Module variable by token number, its 8-byte field taken as a double.
double readVarNumber(int32_t token);
// The field's first 32 bits as an integer.
int32_t readVarWord(int32_t token);
// The field's first word as the address of a host text; null when none.
const char* readVarText(int32_t token);
// Aircraft variable by id, in the units named by unitsName.
double readAircraftVar(int32_t varId, const char* unitsName, int32_t index);
// Integer result of a calculator expression; false when the host cannot answer.
bool readCalculatorInt(const char* expression, int32_t* out);
// Value address of a host named variable, or null when the host has none.
void* findNamedValue(const char* name);

// Conversions that stay defined for any double the host hands over: NaN
// gives 0, values past the int range saturate.
int32_t truncToInt(double value);  // toward zero
int32_t halfUp(double value);      // floor(value + 0.5)

}  // namespace zentra
