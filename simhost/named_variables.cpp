#include "simhost/named_variables.h"

namespace simhost {

int NamedVariables::create(std::string_view name) {
    int id = find(name);
    if (id > 0) return id;
    vars_.push_back(Var{std::string(name), 0.0});
    return static_cast<int>(vars_.size());
}

int NamedVariables::find(std::string_view name) const {
    for (size_t i = 0; i < vars_.size(); ++i) {
        if (vars_[i].name == name) return static_cast<int>(i + 1);
    }
    return -1;
}

double NamedVariables::get(int id) const {
    if (id < 1 || static_cast<size_t>(id) > vars_.size()) return 0.0;
    return vars_[id - 1].value;
}

bool NamedVariables::set(int id, double value) {
    if (id < 1 || static_cast<size_t>(id) > vars_.size()) return false;
    vars_[id - 1].value = value;
    return true;
}

}  // namespace simhost
