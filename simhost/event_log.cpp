#include "simhost/event_log.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "simhost/host_error.h"

namespace simhost {
namespace {

std::string csvField(const std::string& s) {
    if (s.find_first_of(",\"\n\r") == std::string::npos) return s;
    std::string out = "\"";
    for (char c : s) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

std::string EventLog::csv() const {
    std::string out = "time,frame,kind,id,parameter,source,detail\n";
    char time[32];
    for (const LoggedEvent& e : events_) {
        std::snprintf(time, sizeof time, "%.3f", e.time);
        out += time;
        out += ',' + std::to_string(e.frame) + ',' + csvField(e.kind) + ',' + std::to_string(e.id) +
               ',' + std::to_string(e.parameter) + ',' + csvField(e.source) + ',' +
               csvField(e.detail) + '\n';
    }
    return out;
}

void EventLog::write(const std::string& path) const { writeFileAtomically(path, csv()); }

void writeFileAtomically(const std::string& path, const std::string& bytes) {
    namespace fs = std::filesystem;
    const fs::path target(path);
    std::error_code ec;
    if (target.has_parent_path()) fs::create_directories(target.parent_path(), ec);
    const fs::path temp = target.string() + ".part";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) throw HostError(path, 0, "cannot write the file");
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            fs::remove(temp, ec);
            throw HostError(path, 0, "cannot write the file");
        }
    }
    fs::rename(temp, target, ec);
    if (ec) {
        fs::remove(temp, ec);
        throw HostError(path, 0, "cannot write the file");
    }
}

}  // namespace simhost
