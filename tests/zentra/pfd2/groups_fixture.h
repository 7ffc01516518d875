#pragma once
// The PFD's groups configured from a text of their own, painted on a
// recording canvas of 1000 by 1000 pixels (logical units are pixels).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/draw_record.h"
#include "platform/gfx/graphics.h"
#include "platform/gfx/string_format.h"
#include "zentra/pfd/pfd_groups.h"
#include "zentra/pfd/pfd_settings.h"
#include "zentra/pfd/pfd_styles.h"
#include "zentra/simdata/sim_snapshot.h"

#include "../pfd/pfd_fixture.h"

namespace zentra::pfd2_test {

// The PFD tests' temporary configuration file.
using SectionFile = pfd_test::ProfileFile;

struct GroupsFixture {
    explicit GroupsFixture(const std::string& section = "") : file(section) {
        readPfdShapeKeys(file.path(), "PFD", settings);
        loadPfdStyles(file.path(), "PFD", settings, styles);
        styles.refreshStyles(1.0f);
        loadPfdFonts(file.path(), "PFD", fonts);
        fonts.rebuildFonts();
        readPfdGeometry(file.path(), "PFD", settings);
        readPfdInfoFields(file.path(), "PFD", settings.info);
        readPfdUserMessages(file.path(), "PFD", settings.userMessages);
        EXPECT_EQ(gfx::Graphics::createRecording(1000, 1000, &recorder, &graphics),
                  gfx::Status::Ok);
        canvas.setGraphics(graphics.get());
        format.setLineAlignment(gfx::StringAlignment::Center);
    }

    PfdPaint paintContext() { return PfdPaint{canvas, styles, fonts, settings, {}, format}; }

    // Lays the groups out, then records what draw does with them.
    std::vector<gfx::DrawRecord> record(const std::function<void(PfdPaint&)>& draw) {
        SnapshotBinding binding(snapshot);
        PfdPaint p = paintContext();
        if (!laidOut) {
            groups.layout(p, 1000);
            laidOut = true;
        }
        recorder.clear();
        draw(p);
        return recorder.take();
    }

    SectionFile file;
    PfdSettings settings;
    StyleTable styles;
    FontTable fonts;
    gfx::DrawRecorder recorder;
    std::unique_ptr<gfx::Graphics> graphics;
    Canvas canvas;
    gfx::StringFormat format;
    SimSnapshot snapshot;
    PfdGroups groups;
    bool laidOut = false;
};

inline std::vector<gfx::DrawRecord> select(
    const std::vector<gfx::DrawRecord>& records,
    const std::function<bool(const gfx::DrawRecord&)>& keep) {
    std::vector<gfx::DrawRecord> out;
    std::copy_if(records.begin(), records.end(), std::back_inserter(out), keep);
    return out;
}

inline std::vector<gfx::DrawRecord> ofKind(const std::vector<gfx::DrawRecord>& records,
                                           gfx::DrawKind kind) {
    return select(records, [kind](const gfx::DrawRecord& r) { return r.kind == kind; });
}

inline std::vector<std::wstring> texts(const std::vector<gfx::DrawRecord>& records) {
    std::vector<std::wstring> out;
    for (const auto& r : records) {
        if (r.kind == gfx::DrawKind::Text) out.push_back(r.text);
    }
    return out;
}

}  // namespace zentra::pfd2_test
