#include "zentra/simdata/data_source.h"

#include "zentra/simdata/snapshot_getters.h"

namespace zentra {

namespace {

template <double (*Getter)()>
double system(int) {
    return Getter();
}

const std::array<DataSource, kEngineSourceCount> kEngineSources = {{
    {"N1", true, &N1, &N1},
    {"N2", true, &N2, &N2},
    {"EPR", true, &EPR, &EPR},
    {"CEPR", true, &CEPR, &CEPR},
    {"Torque", true, &Torque, &Torque},
    {"EGT", true, &EGT, &EGT},
    {"ITT", true, &ITT, &ITT},
    {"FF", true, &FF, &FFMetric},
    {"OilQty", true, &OilQty, &OilQty},
    {"OilPress", true, &OilPress, &OilPress},
    {"OilTemp", true, &OilTemp, &OilTemp},
    {"Vib", true, &Vib, &Vib},
    {"HydPress", true, &HydPress, &HydPress},
    {"HydQty", true, &HydQty, &HydQty},
}};

const std::array<DataSource, kSystemSourceCount> kSystemSources = {{
    {"LeftFuel", false, &system<LeftFuel>, &system<LeftFuelKg>},
    {"RightFuel", false, &system<RightFuel>, &system<RightFuelKg>},
    {"CenterFuel", false, &system<CenterFuel>, &system<CenterFuelKg>},
    {"TotalFuel", false, &system<TotalFuel>, &system<TotalFuelKg>},
    {"FlapHandle", false, &system<FlapHandle>, &system<FlapHandle>},
    {"FlapAngle", false, &system<FlapAngle>, &system<FlapAngle>},
    {"SlatAngle", false, &system<SlatAngle>, &system<SlatAngle>},
    {"ApuRPM", false, &system<ApuRPM>, &system<ApuRPM>},
    {"ApuEGT", false, &system<ApuEGT>, &system<ApuEGT>},
}};

}  // namespace

const std::array<DataSource, kEngineSourceCount>& engineDataSources() { return kEngineSources; }

const std::array<DataSource, kSystemSourceCount>& systemDataSources() { return kSystemSources; }

double dataSourceValue(const DataSource& source, UnitSystem units, int engine) {
    const auto getter = units == UnitSystem::Metric ? source.metric : source.us;
    return getter(source.perEngine ? engine : 0);
}

const DataSource* findDataSource(std::string_view name) {
    for (const DataSource& s : kEngineSources) {
        if (name == s.name) return &s;
    }
    for (const DataSource& s : kSystemSources) {
        if (name == s.name) return &s;
    }
    return nullptr;
}

}  // namespace zentra
