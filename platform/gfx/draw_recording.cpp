#include "platform/gfx/draw_recording.h"

#include <cstdio>
#include <mutex>

#include "platform/gfx/draw_record.h"

namespace platform::gfx {
namespace {

// Lives for the whole process: graphics objects keep a pointer to it even
// after recording has been switched off.
class FileRecorder : public DrawObserver {
  public:
    void onDraw(const DrawRecord& record) override {
        const std::string line = toJsonLine(record);
        std::lock_guard lock(mutex_);
        if (file_ == nullptr) return;
        std::fwrite(line.data(), 1, line.size(), file_);
        std::fputc('\n', file_);
    }

    Status open(const std::string& path) {
        std::lock_guard lock(mutex_);
        closeLocked();
        if (path.empty()) return Status::Ok;
        file_ = std::fopen(path.c_str(), "wb");
        return file_ != nullptr ? Status::Ok : Status::GenericError;
    }

    bool active() {
        std::lock_guard lock(mutex_);
        return file_ != nullptr;
    }

    void flush() {
        std::lock_guard lock(mutex_);
        if (file_ != nullptr) std::fflush(file_);
    }

  private:
    void closeLocked() {
        if (file_ != nullptr) std::fclose(file_);
        file_ = nullptr;
    }

    std::mutex mutex_;
    std::FILE* file_ = nullptr;
};

FileRecorder& recorder() {
    static FileRecorder* r = new FileRecorder;
    return *r;
}

}  // namespace

Status setDrawRecordingFile(const std::string& path) { return recorder().open(path); }

DrawObserver* drawRecordingObserver() {
    FileRecorder& r = recorder();
    return r.active() ? &r : nullptr;
}

void flushDrawRecording() { recorder().flush(); }

}  // namespace platform::gfx
