#include "zentra/config/config_check.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "platform/win32/profile_reader.h"
#include "zentra/config/config_reader.h"

namespace zentra {
namespace {

std::string folded(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return name;
}

std::string trimmed(const std::string& name) {
    const size_t from = name.find_first_not_of(" \t");
    if (from == std::string::npos) return std::string();
    return name.substr(from, name.find_last_not_of(" \t") - from + 1);
}

}  // namespace

std::vector<ConfigFinding> checkConfiguration(const std::string& text,
                                              const std::vector<ConfigRead>& reads) {
    const platform::win32::ProfileText profile = platform::win32::parseProfileText(text);
    std::vector<ConfigFinding> findings;
    for (const auto& problem : profile.problems) {
        findings.push_back({problem.line, "", "", problem.text + ", the line is skipped"});
    }

    std::set<std::pair<std::string, std::string>> readKeys;
    std::set<std::string> readSections;
    for (const ConfigRead& read : reads) {
        readKeys.emplace(folded(trimmed(read.section)), folded(trimmed(read.key)));
        readSections.insert(folded(trimmed(read.section)));
    }

    // The line each reachable key is read from, for the reads' findings.
    std::vector<const platform::win32::ProfileEntry*> reachable;
    for (const auto& entry : profile.entries) {
        const std::string section = folded(entry.section);
        const std::string key = folded(entry.key);
        if (entry.shadowed) {
            const auto first =
                std::find_if(profile.entries.begin(), profile.entries.end(), [&](const auto& e) {
                    return !e.shadowed && folded(e.section) == section && folded(e.key) == key;
                });
            findings.push_back(
                {entry.line, entry.section, entry.key,
                 first != profile.entries.end()
                     ? "repeats the key of line " + std::to_string(first->line) +
                           "; only the first is read"
                     : "in a repeated section; only the first [" + entry.section + "] is read"});
            continue;
        }
        reachable.push_back(&entry);
        if (entry.value.size() >= static_cast<size_t>(kValueBufferSize)) {
            findings.push_back({entry.line, entry.section, entry.key,
                                "value longer than " + std::to_string(kValueBufferSize - 1) +
                                    " characters is cut"});
        }
        if (readKeys.count({section, key}) != 0) continue;
        findings.push_back({entry.line, entry.section, entry.key,
                            readSections.count(section) != 0
                                ? "no display reads this key"
                                : "no display reads section [" + entry.section + "]"});
    }

    for (const ConfigRead& read : reads) {
        if (!read.found || read.problem.empty()) continue;
        const std::string section = folded(trimmed(read.section));
        const std::string key = folded(trimmed(read.key));
        for (const auto* entry : reachable) {
            if (folded(entry->section) == section && folded(entry->key) == key) {
                findings.push_back(
                    {entry->line, entry->section, entry->key,
                     "\"" + entry->value.substr(0, kValueBufferSize - 1) + "\": " + read.problem});
                break;
            }
        }
    }

    std::stable_sort(
        findings.begin(), findings.end(),
        [](const ConfigFinding& a, const ConfigFinding& b) { return a.line < b.line; });
    // A key read twice with the same problem is reported once.
    findings.erase(std::unique(findings.begin(), findings.end(),
                               [](const ConfigFinding& a, const ConfigFinding& b) {
                                   return std::tie(a.line, a.message) ==
                                          std::tie(b.line, b.message);
                               }),
                   findings.end());
    return findings;
}

std::string formatFinding(const ConfigFinding& finding) {
    std::string out = std::to_string(finding.line) + ": ";
    if (!finding.key.empty()) out += "[" + finding.section + "] " + finding.key + ": ";
    return out + finding.message;
}

}  // namespace zentra
