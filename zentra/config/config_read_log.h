#pragma once
// What the configuration readers were asked, kept while a ConfigReadLog is
// active on the thread. `simhost store check` runs the display loaders under
// one to find keys nobody reads and values replaced by defaults.
#include <string>
#include <vector>

namespace zentra {

enum class ReaderKind {
    Int,
    Float,
    Double,
    Bool,
    Char,
    Text,
    WideText,
    Color,
    ColorValue,
    Alignment,
    Named,
    NumberList,
    Point,
    Box,
};

const char* readerKindName(ReaderKind kind);

struct ConfigRead {
    std::string file;
    std::string section;
    std::string key;
    ReaderKind kind = ReaderKind::Int;
    bool found = false;      // the key was present
    std::string value;       // the value text as the reader saw it
    std::string accepted;    // Named: the accepted names, Alignment/Bool: a summary
    int acceptedCount = 0;   // Named: the count the caller passed
    bool defaulted = false;  // the value was present but the default was used
    std::string problem;     // why the value was not taken as written; empty: fine
};

// Collects reads on the creating thread until destroyed; nests (the inner
// log collects, then the outer one resumes).
class ConfigReadLog {
  public:
    ConfigReadLog();
    ~ConfigReadLog();
    ConfigReadLog(const ConfigReadLog&) = delete;
    ConfigReadLog& operator=(const ConfigReadLog&) = delete;

    const std::vector<ConfigRead>& reads() const { return reads_; }

    // Used by the readers: the active log of this thread, or null.
    static ConfigReadLog* active();
    void add(ConfigRead read) { reads_.push_back(std::move(read)); }

  private:
    std::vector<ConfigRead> reads_;
    ConfigReadLog* outer_ = nullptr;
};

}  // namespace zentra
