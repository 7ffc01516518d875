#include <gtest/gtest.h>

#include "config_file.h"
#include "zentra/config/config_read_log.h"
#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"

using namespace zentra;

namespace {

const char* const kText =
    "[S]\n"
    "Colour=AMBR\n"
    "Shape=LONG_DIAMOND\n"
    "Kind=SPIRAL\n"
    "Size=1O0\n"
    "Width=wide\n"
    "Flag=maybe\n"
    "List=1-2-3\n"
    "Good=5\n";

const ConfigRead* find(const ConfigReadLog& log, const std::string& key) {
    for (const ConfigRead& r : log.reads()) {
        if (r.key == key) return &r;
    }
    return nullptr;
}

TEST(ReadLog, RecordsEveryReadWithWhyAValueWasNotTaken) {
    config_test::ConfigFile file(kText);
    const char* f = file.path();
    ConfigReadLog log;
    readColor(f, "S", "Colour", "WHITE");
    readNamed(f, "S", "Shape", 7, kSymbolShapeNames, 0);
    readNamed(f, "S", "Kind", 7, kSymbolShapeNames, 0);
    readInt(f, "S", "Size", 0);
    readFloat(f, "S", "Width", 0);
    readBool(f, "S", "Flag", 1);
    double values[2];
    readNumberList(f, "S", "List", values, 2);
    readInt(f, "S", "Good", 0);
    readInt(f, "S", "Absent", 3);

    ASSERT_EQ(log.reads().size(), 9u);
    struct Expect {
        const char* key;
        ReaderKind kind;
        bool defaulted;
        const char* problemPart;  // empty: no problem
    };
    const Expect expects[] = {
        {"Colour", ReaderKind::Color, false, "unknown colour word"},
        {"Shape", ReaderKind::Named, true, "not accepted for this key"},
        {"Kind", ReaderKind::Named, true, "unknown name"},
        {"Size", ReaderKind::Int, false, "text after the number"},
        {"Width", ReaderKind::Float, false, "not a number"},
        {"Flag", ReaderKind::Bool, true, "not a boolean word"},
        {"List", ReaderKind::NumberList, false, "only the first 2"},
        {"Good", ReaderKind::Int, false, ""},
        {"Absent", ReaderKind::Int, false, ""},
    };
    for (const Expect& e : expects) {
        const ConfigRead* r = find(log, e.key);
        ASSERT_NE(r, nullptr) << e.key;
        EXPECT_EQ(r->kind, e.kind) << e.key;
        EXPECT_EQ(r->defaulted, e.defaulted) << e.key;
        EXPECT_EQ(r->section, "S");
        EXPECT_EQ(r->file, f);
        if (e.problemPart[0] == '\0') {
            EXPECT_TRUE(r->problem.empty()) << e.key << ": " << r->problem;
        } else {
            EXPECT_NE(r->problem.find(e.problemPart), std::string::npos)
                << e.key << ": " << r->problem;
        }
    }
    EXPECT_FALSE(find(log, "Absent")->found);
    EXPECT_EQ(find(log, "Shape")->acceptedCount, 7);
    EXPECT_EQ(find(log, "Shape")->accepted.rfind("NONE, LINE", 0), 0u);
}

TEST(ReadLog, OnlyWhileActiveAndNested) {
    config_test::ConfigFile file(kText);
    readInt(file.path(), "S", "Good", 0);  // no log: nothing kept anywhere
    ConfigReadLog outer;
    readInt(file.path(), "S", "Good", 0);
    {
        ConfigReadLog inner;
        readInt(file.path(), "S", "Size", 0);
        EXPECT_EQ(inner.reads().size(), 1u);
        EXPECT_EQ(ConfigReadLog::active(), &inner);
    }
    EXPECT_EQ(ConfigReadLog::active(), &outer);
    readInt(file.path(), "S", "Good", 0);
    EXPECT_EQ(outer.reads().size(), 2u);
}

}  // namespace
