#pragma once
// A configuration text in a file of its own for one test.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace config_test {

class ConfigFile {
  public:
    explicit ConfigFile(const std::string& text) {
        std::string pattern = (std::filesystem::temp_directory_path() / "cfg-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        path_ = dir_ + "/config.ini";
        std::ofstream(path_, std::ios::binary) << text;
    }
    ~ConfigFile() { std::filesystem::remove_all(dir_); }
    const char* path() const { return path_.c_str(); }
    const std::string& dir() const { return dir_; }

  private:
    std::string dir_;
    std::string path_;
};

}  // namespace config_test
