#pragma once
// A PFD configured from a text of its own, painted on a recording canvas
// of 1000 by 1000 pixels, so logical units are pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/draw_record.h"
#include "platform/gfx/graphics.h"
#include "zentra/config/config_reader.h"
#include "zentra/pfd/pfd_display.h"
#include "zentra/simdata/sim_snapshot.h"

namespace zentra::pfd_test {

class ProfileFile {
  public:
    explicit ProfileFile(const std::string& pfdSection) {
        std::string pattern = (std::filesystem::temp_directory_path() / "pfd-XXXXXX").string();
        dir_ = mkdtemp(pattern.data());
        path_ = dir_ + "/config.ini";
        std::ofstream(path_, std::ios::binary) << "[PFD]\n" << pfdSection;
    }
    ~ProfileFile() { std::filesystem::remove_all(dir_); }
    const char* path() const { return path_.c_str(); }

  private:
    std::string dir_;
    std::string path_;
};

// ARGB as drawn at full brightness from a 0x00BBGGRR colour.
inline gfx::Argb drawn(uint32_t bgr) { return colorInUse(bgr, 1.0f); }

struct PfdFixture {
    // Painted on the gauge thread, so each paint's records are complete.
    explicit PfdFixture(const std::string& section = "")
        : file(section + "MultiThreading=FALSE\n") {
        pfd.loadSettings(file.path());
        EXPECT_EQ(gfx::Graphics::createRecording(1000, 1000, &recorder, &graphics),
                  gfx::Status::Ok);
        canvas.setGraphics(graphics.get());
        pfd.setCanvas(&canvas, 1000, 1000);
    }

    // The aircraft has power: the first paint brings the display to the
    // day brightness; colours are drawn at full strength.
    std::vector<gfx::DrawRecord> paint() {
        snapshot.batteryMaster = 1;
        SnapshotBinding binding(snapshot);
        pfd.updatePowerState();
        recorder.clear();
        pfd.paint();
        EXPECT_FLOAT_EQ(pfd.displayBrightness(), 1.0f);
        return recorder.take();
    }

    ProfileFile file;
    PfdDisplay pfd{nullptr};
    gfx::DrawRecorder recorder;
    std::unique_ptr<gfx::Graphics> graphics;
    Canvas canvas;
    SimSnapshot snapshot;
};

inline std::vector<gfx::DrawRecord> select(
    const std::vector<gfx::DrawRecord>& records,
    const std::function<bool(const gfx::DrawRecord&)>& keep) {
    std::vector<gfx::DrawRecord> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out), keep);
    return out;
}

inline bool horizontalLine(const gfx::DrawRecord& r) {
    return r.kind == gfx::DrawKind::Line && std::abs(r.points[0].y - r.points[1].y) < 1e-3f;
}

inline std::vector<std::wstring> texts(const std::vector<gfx::DrawRecord>& records) {
    std::vector<std::wstring> out;
    for (const auto& r : records) {
        if (r.kind == gfx::DrawKind::Text) out.push_back(r.text);
    }
    return out;
}

}  // namespace zentra::pfd_test
