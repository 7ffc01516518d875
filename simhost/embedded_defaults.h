#pragma once
// The default panel and scenario, built into simhost so that it runs from
// anywhere (sources: assets/panels/default.ini, assets/scenarios/default.scn).
#include <string_view>

namespace simhost {

std::string_view defaultPanelText();
std::string_view defaultScenarioText();

inline constexpr const char* kDefaultPanelName = "default.ini (built in)";
inline constexpr const char* kDefaultScenarioName = "default.scn (built in)";

}  // namespace simhost
