#pragma once
// The panel file (INI): panel windows and virtual-cockpit surfaces, each
// with the gauges placed on it. Format in docs/panel.md.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace simhost {

struct GaugePlacement {
    std::string key;     // "gauge00"
    std::string module;  // "zentra"
    std::string gauge;   // "PFD"
    int x = 0, y = 0;    // top-left on the window, pixels
    int w = 0, h = 0;    // 0: from the gauge's own size (h keeps the aspect when only w is given)
    int line = 0;
};

struct WindowSpec {
    std::string section;  // "Window00", "VCockpit01"
    bool isVc = false;
    uint32_t ident = 0;  // panel windows only
    int width = 0, height = 0;
    bool visible = true;             // panel windows only; VC surfaces show in view mode 2
    uint32_t background = 0x000000;  // 0xRRGGBB
    std::vector<GaugePlacement> gauges;
    int line = 0;
};

struct PanelLayout {
    std::string file;
    std::vector<WindowSpec> windows;
};

// Throws HostError naming the file and line of the first problem.
PanelLayout parsePanel(std::string_view text, const std::string& fileName);
PanelLayout readPanelFile(const std::string& path);

}  // namespace simhost
