#pragma once
// Every snapshot value by its getter name, formatted as text: what a CSV of
// the snapshot shows. Indexed getters appear once per index ("N1(0)" ...
// "N1(3)", "NavIdent(1)", "NavIdent(2)", "GearState(0)" ...), the aircraft
// position once per member ("AircraftPosition.latitude" ...).
#include <string>
#include <vector>

namespace zentra {

struct SnapshotField {
    std::string name;
    // The value read through the getter: numbers with up to 10 significant
    // digits, flags as 0 or 1, texts as they are.
    std::string (*format)(int index);
    int index;  // argument of indexed getters
    bool isText;
};

const std::vector<SnapshotField>& snapshotFields();

// One CSV line (no line end) of the field names, and of the current values
// (texts quoted, inner quotes doubled).
std::string snapshotCsvHeader();
std::string snapshotCsvRow();

}  // namespace zentra
