#pragma once
// Compares a configuration text with what the display loaders read from it:
// keys nobody reads, values a reader did not take as written, lines the
// reader skips, and repeats that the first occurrence hides.
#include <string>
#include <vector>

#include "zentra/config/config_read_log.h"

namespace zentra {

struct ConfigFinding {
    int line = 0;
    std::string section;  // empty for lines outside a key
    std::string key;
    std::string message;
};

// Findings in line order; text is the file's content, reads what the loaders
// asked of that file.
std::vector<ConfigFinding> checkConfiguration(const std::string& text,
                                              const std::vector<ConfigRead>& reads);

// "LINE: [Section] Key: message"
std::string formatFinding(const ConfigFinding& finding);

}  // namespace zentra
