#include "zentra/simdata/alert_board.h"

#include <cwchar>

namespace zentra {

namespace {

void set(AlertRecord& r, const wchar_t* text, int level) {
    std::wcsncpy(r.text, text, kAlertTextSize - 1);
    r.level = level;
}

void setEngine(AlertRecord& r, const wchar_t* format, int engineNumber, int level) {
    std::swprintf(r.text, kAlertTextSize, format, engineNumber);
    r.level = level;
}

}  // namespace

AlertBoard::AlertBoard() {
    set(records_[0], L"SLRS ARM", 3);
    set(records_[1], L"FUEL QTY", 1);
    for (int k = 0; k < 4; ++k) {
        setEngine(records_[5 + k], L"ENG%d SHUT", k + 1, 1);
        setEngine(records_[9 + k], L"ENG%d FIRE", k + 1, 1);
        setEngine(records_[19 + k], L"GEN %d OFF", k + 1, 2);
        setEngine(records_[32 + k], L"ENG%d OIL PRESS", k + 1, 1);
        setEngine(records_[36 + k], L"ENG%d FUEL PRESS", k + 1, 2);
    }
    set(records_[13], L"DOOR", 1);
    set(records_[14], L"MAX SPD", 2);
    set(records_[15], L"STALL", 1);
    set(records_[16], L"OVERSPD", 1);
    set(records_[17], L"LDG GEAR DN", 3);
    set(records_[18], L"MAX SPD", 2);
    set(records_[25], L"ELEC", 1);
    set(records_[26], L"VACUUM", 1);
    set(records_[27], L"VACUUM", 2);
    set(records_[28], L"OIL", 2);
    set(records_[29], L"HYD", 1);
    set(records_[30], L"LDG LGTS", 3);
    set(records_[31], L"TAXI LGTS", 3);
    set(records_[40], L"SEAT BELTS", 3);
    set(records_[41], L"NO SMOKING", 3);
    set(records_[42], L"PRK BRK SET", 3);
    set(records_[43], L"SPLRS", 3);
}

void AlertBoard::evaluateAlerts() {}

}  // namespace zentra
