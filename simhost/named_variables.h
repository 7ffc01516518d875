#pragma once
// Named variables: doubles that gauges (and the host's publishers) create by
// name and read by id. Ids start at 1, so readers that treat an id below 1
// as missing work; a lookup of an unknown name gives -1.
#include <string>
#include <string_view>
#include <vector>

namespace simhost {

class NamedVariables {
  public:
    // The id of the variable, created with value 0 when new.
    int create(std::string_view name);
    // The id, or -1 when there is no such variable. Names match exactly.
    int find(std::string_view name) const;
    // The value; 0 for an unknown id.
    double get(int id) const;
    // False for an unknown id.
    bool set(int id, double value);
    size_t size() const { return vars_.size(); }

  private:
    struct Var {
        std::string name;
        double value = 0.0;
    };
    std::vector<Var> vars_;
};

}  // namespace simhost
