#include "simhost/channel_list.h"

#include <cstdio>

#include "simhost/aircraft_vars.h"
#include "simhost/scenario.h"
#include "simhost/shared_data_block.h"
#include "simhost/token_table.h"

namespace simhost {
namespace {

const char* blendName(Blend b) {
    switch (b) {
        case Blend::Linear:
            return "linear";
        case Blend::Angle:
            return "angle";
        case Blend::Step:
            return "step";
    }
    return "";
}

const char* encodingName(const TokenEntry& e) {
    switch (e.encoding) {
        case Encoding::Scale:
            return "scale";
        case Encoding::Rankine:
            return "rankine";
        case Encoding::Bcd:
            return "bcd";
        case Encoding::AdfLow:
            return "adf-low";
        case Encoding::AdfHigh:
            return "adf-high";
        case Encoding::Text:
            return "text";
    }
    return "";
}

}  // namespace

std::string channelListText() {
    std::string out;
    char line[512];
    out += "channel                      unit      blend   token  encoding  meaning\n";
    for (const TokenEntry& e : tokenTable()) {
        char enc[48];
        if (e.encoding == Encoding::Scale && e.factor != 1.0) {
            std::snprintf(enc, sizeof enc, "x%.10g", e.factor);
        } else {
            std::snprintf(enc, sizeof enc, "%s", encodingName(e));
        }
        std::snprintf(line, sizeof line, "%-28s %-9s %-7s %5d  %-9s %s\n", e.channel.c_str(),
                      e.unit.c_str(), blendName(e.blend), e.token, enc, e.meaning.c_str());
        out += line;
    }
    std::snprintf(line, sizeof line, "%-28s %-9s %-7s %5s  %-9s %s\n", kPanelLightingChannel,
                  "enum", "step", "-", "-", "panel lighting: 0 day, 2 dusk, 4 night");
    out += line;
    out += "\naircraft variables (read by id, units and index, or as (A:NAME, units)):\n";
    for (const AircraftVarEntry& e : aircraftVarTable()) {
        std::snprintf(line, sizeof line, "%-28s %-9s %-7s 0x%03x  index %d  %s (\"%s\")\n",
                      e.channel.c_str(), e.unit.c_str(), blendName(e.blend), e.id, e.index,
                      e.meaning.c_str(), e.name.c_str());
        out += line;
    }
    out += "\nshared data fields (\"KORU_SHARED_DATA\", set with TIME shared FIELD VALUE):\n";
    for (const SharedField& f : sharedFields()) {
        const char* kind = f.kind == FieldKind::Float   ? "float"
                           : f.kind == FieldKind::Int32 ? "int32"
                                                        : "uint32";
        std::snprintf(line, sizeof line, "%-28s byte %-3d %-6s %s\n", f.name, f.offset, kind,
                      f.meaning);
        out += line;
    }
    return out;
}

}  // namespace simhost
