#include "platform/gfx/draw_recording.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "gfx_test_util.h"

namespace platform::gfx {
namespace {

std::vector<std::string> readLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

TEST(DrawRecordingTest, JsonLineCarriesTheRecord) {
    DrawRecord r;
    r.kind = DrawKind::Text;
    r.source = 3;
    r.points = {{1.5f, -2}};
    r.hasBrush = true;
    r.brushColor = 0xFF00FF00;
    r.clip = RectF{0, 0, 10, 20};
    r.text = L"A\"\\\n\u00B0";
    r.fontFamily = "DejaVu Sans";
    r.fontSize = 75;
    r.fontDeviceSize = 22.5f;
    r.alignment = StringAlignment::Far;
    r.bounds = {1, 2, 3, 4.25f};
    EXPECT_EQ(toJsonLine(r),
              "{\"kind\":\"text\",\"source\":3,\"points\":[[1.5,-2]],"
              "\"brush\":{\"color\":\"#FF00FF00\"},\"clip\":[0,0,10,20],"
              "\"transform\":[1,0,0,1,0,0],\"smoothing\":0,"
              "\"text\":\"A\\\"\\\\\\n\xC2\xB0\",\"font\":{\"family\":\"DejaVu Sans\","
              "\"size\":75,\"deviceSize\":22.5,\"style\":0},\"align\":2,\"lineAlign\":0,"
              "\"textHint\":0,\"bounds\":[1,2,3,4.25]}");

    DrawRecord line;
    line.kind = DrawKind::Line;
    line.points = {{0, 0}, {3, 4}};
    line.hasPen = true;
    line.penColor = 0xFF102030;
    line.penWidth = 2;
    line.dash = {4, 4};
    line.endCap = LineCap::ArrowAnchor;
    EXPECT_EQ(toJsonLine(line),
              "{\"kind\":\"line\",\"source\":0,\"points\":[[0,0],[3,4]],"
              "\"pen\":{\"color\":\"#FF102030\",\"width\":2,\"dash\":[4,4],\"startCap\":0,"
              "\"endCap\":20},\"clip\":null,\"transform\":[1,0,0,1,0,0],\"smoothing\":0}");
}

TEST(DrawRecordingTest, FileGetsOneLinePerPrimitiveOfGraphicsMadeWhileOn) {
    const std::string path = std::string(TEST_BINARY_DIR) + "/gfx_record_draw.jsonl";
    std::unique_ptr<Graphics> before;
    ASSERT_EQ(Graphics::createRecording(10, 10, nullptr, &before), Status::Ok);
    ASSERT_EQ(setDrawRecordingFile(path), Status::Ok);
    ASSERT_NE(drawRecordingObserver(), nullptr);

    testing::Canvas raster(20, 20);  // raster graphics feed the file too
    Pen pen(0xFF000000, 1);
    raster.g->drawLine(&pen, 0, 0, 10, 10);
    before->drawLine(&pen, 0, 0, 1, 1);  // made before recording started: not written
    SolidBrush b(0xFF00FF00);
    raster.g->fillRectangle(&b, 1, 1, 2, 2);
    ASSERT_EQ(setDrawRecordingFile(""), Status::Ok);
    EXPECT_EQ(drawRecordingObserver(), nullptr);
    raster.g->drawLine(&pen, 0, 0, 5, 5);  // after it stopped: not written

    const auto lines = readLines(path);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_NE(lines[0].find("\"kind\":\"clear\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"kind\":\"line\""), std::string::npos);
    EXPECT_NE(lines[1].find("[[0,0],[10,10]]"), std::string::npos);
    EXPECT_NE(lines[2].find("\"kind\":\"fillRectangle\""), std::string::npos);

    EXPECT_EQ(setDrawRecordingFile("/nonexistent-dir/rec.jsonl"), Status::GenericError);
    EXPECT_EQ(drawRecordingObserver(), nullptr);
}

}  // namespace
}  // namespace platform::gfx
