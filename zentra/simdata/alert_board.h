#pragma once
// The crew alert messages the EICAS lists show: 42 alert records and 2
// status records, created with the MainState.
#include <array>

namespace zentra {

constexpr int kAlertRecordCount = 42;
constexpr int kStatusRecordCount = 2;
constexpr int kAlertTextSize = 100;

struct AlertRecord {
    wchar_t text[kAlertTextSize] = {};
    int level = 0;        // 1, 2 or 3; 0 for the unused records
    bool active = false;  // the condition held at the last evaluation
    bool shown = false;   // on an EICAS list; set and cleared by the EICAS
};

class AlertBoard {
  public:
    AlertBoard();

    // Sets every record's condition from the snapshot and keeps the EICAS
    // lists in step; the evaluation comes with the EICAS messages.
    void evaluateAlerts();

    AlertRecord& record(int index) { return records_[index]; }
    const AlertRecord& record(int index) const { return records_[index]; }
    static constexpr int size() { return kAlertRecordCount + kStatusRecordCount; }

  private:
    std::array<AlertRecord, kAlertRecordCount + kStatusRecordCount> records_{};
    double oilTimer_ = 0.0;
};

}  // namespace zentra
