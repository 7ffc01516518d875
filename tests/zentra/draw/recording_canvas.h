#pragma once
// A canvas whose primitives are kept as records in device coordinates.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/gfx/draw_record.h"
#include "platform/gfx/graphics.h"
#include "zentra/draw/canvas.h"

namespace zentra::testing {

struct RecordingCanvas {
    explicit RecordingCanvas(int width = 1000, int height = 1000) {
        EXPECT_EQ(gfx::Graphics::createRecording(width, height, &recorder, &graphics),
                  gfx::Status::Ok);
        canvas.setGraphics(graphics.get());
    }
    std::vector<gfx::DrawRecord> take() { return recorder.take(); }

    gfx::DrawRecorder recorder;
    std::unique_ptr<gfx::Graphics> graphics;
    Canvas canvas;
};

inline void expectPoints(const std::vector<gfx::PointF>& actual,
                         std::initializer_list<gfx::PointF> expected, float tolerance = 1e-3f) {
    ASSERT_EQ(actual.size(), expected.size());
    size_t i = 0;
    for (const gfx::PointF& e : expected) {
        EXPECT_NEAR(actual[i].x, e.x, tolerance) << "point " << i;
        EXPECT_NEAR(actual[i].y, e.y, tolerance) << "point " << i;
        ++i;
    }
}

}  // namespace zentra::testing
