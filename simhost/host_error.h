#pragma once
// The one error type inside simhost: a bad input file, a missing module or
// gauge, an output that cannot be written. Caught in main, which prints the
// message as one line and exits with status 2. Modules never see it.
#include <stdexcept>
#include <string>

namespace simhost {

class HostError : public std::runtime_error {
  public:
    // "file:line: problem"; line 0 leaves the line out, an empty file both.
    HostError(const std::string& file, int line, const std::string& problem)
        : std::runtime_error(format(file, line, problem)) {}
    explicit HostError(const std::string& problem) : std::runtime_error(problem) {}

  private:
    static std::string format(const std::string& file, int line, const std::string& problem) {
        if (file.empty()) return problem;
        if (line <= 0) return file + ": " + problem;
        return file + ":" + std::to_string(line) + ": " + problem;
    }
};

}  // namespace simhost
