#pragma once
// A host stand-in for the display frame: the view mode, which panel windows
// are visible, and named variables, installed into the module's ImportTable.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "host/panels.h"
#include "zentra/frame/host_access.h"

namespace zentra::testing {

struct FrameHost {
    int viewMode = 1;
    std::set<uint32_t> visibleWindows{0};
    std::map<std::string, double> named;

    host::PanelsTable table;

    static FrameHost*& current() {
        static FrameHost* host = nullptr;
        return host;
    }

    FrameHost() {
        current() = this;
        table.executeCalculatorCode = [](const char* code, double* f, int32_t* i,
                                         const char**) -> int32_t {
            if (std::string(code) != "(P:ACTIVE VIEW MODE, number)") return 0;
            if (f) *f = current()->viewMode;
            if (i) *i = current()->viewMode;
            return 1;
        };
        table.isPanelWindowVisibleIdent = [](uint32_t ident) -> int32_t {
            return current()->visibleWindows.count(ident) ? 1 : 0;
        };
        table.checkNamedVariable = [](const char* name) -> int32_t {
            auto& m = current()->named;
            auto it = m.find(name);
            return it == m.end() ? -1 : int32_t(std::distance(m.begin(), it));
        };
        table.getNamedVariableValue = [](int32_t id) -> double {
            auto& m = current()->named;
            if (id < 0 || id >= int32_t(m.size())) return 0.0;
            return std::next(m.begin(), id)->second;
        };
        ImportTable.panels.table = &table;
    }
    ~FrameHost() {
        ImportTable.panels.table = nullptr;
        current() = nullptr;
    }
    FrameHost(const FrameHost&) = delete;
    FrameHost& operator=(const FrameHost&) = delete;
};

}  // namespace zentra::testing
