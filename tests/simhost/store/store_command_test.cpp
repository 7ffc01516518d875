#include "simhost/store_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "zentra/config/config_reader.h"
#include "zentra/config/named_values.h"
#include "zentra/config/store_codec.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class StoreCommand : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "storecmd-XXXXXX").string();
        dir = mkdtemp(pattern.data());
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string write(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    int run(std::vector<std::string> args) {
        out.str("");
        err.str("");
        std::vector<char*> argv;
        for (auto& a : args) argv.push_back(a.data());
        return simhost::runStoreCommand(static_cast<int>(argv.size()), argv.data(), out, err);
    }

    // Nothing but the named files in the folder: no temporary left over.
    std::vector<std::string> files() {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string dir;
    std::ostringstream out, err;
};

TEST_F(StoreCommand, PackThenUnpackGivesTheTextBack) {
    const std::string text = "[PFD]\r\nSizeX=640\r\n; comment\n\xB0 degree\n";
    const std::string plain = write("f16.ini", text);
    ASSERT_EQ(run({"pack", plain, dir + "/F16.bin"}), 0) << err.str();
    const std::string store = readAll(dir + "/F16.bin");
    EXPECT_EQ(store.size(), text.size() + 2);
    EXPECT_EQ(std::vector<uint8_t>(store.begin(), store.end()), zentra::packStore(text));
    ASSERT_EQ(run({"unpack", dir + "/F16.bin", dir + "/back.ini"}), 0) << err.str();
    EXPECT_EQ(readAll(dir + "/back.ini"), text);
    EXPECT_EQ(files(), (std::vector<std::string>{"F16.bin", "back.ini", "f16.ini"}));
}

TEST_F(StoreCommand, RefusesBadInputWithOneLineAndWritesNothing) {
    std::string garbage(100, '\0');
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<char>(i * 31 + 7);
    std::vector<uint8_t> probe(garbage.begin(), garbage.end());
    if (zentra::unscrambleStore(probe.data(), probe.size())) garbage.back() ^= 1;
    std::string badCheck;
    for (uint8_t b : zentra::packStore("[A]\nk=v\n")) badCheck.push_back(static_cast<char>(b));
    badCheck.back() ^= 0x10;
    struct Case {
        std::vector<std::string> args;
        const char* messagePart;
    };
    const std::string empty = write("empty.bin", "");
    const std::string one = write("one.bin", "x");
    const std::string junk = write("junk.bin", garbage);
    const std::string bad = write("bad.bin", badCheck);
    const std::string big = write("big.ini", std::string(zentra::kStoreMaxText + 1, 'a'));
    const std::string zero = write("zero.ini", std::string("[A]\nk=\0v\n", 9));
    const std::string out1 = dir + "/out";
    const Case cases[] = {
        {{"unpack", empty, out1}, "0 bytes; a store has at least 2"},
        {{"unpack", one, out1}, "1 bytes"},
        {{"unpack", junk, out1}, "check byte does not match"},
        {{"unpack", bad, out1}, "check byte does not match"},
        {{"unpack", dir + "/missing.bin", out1}, "cannot read"},
        {{"pack", big, out1}, "a store holds at most 40958"},
        {{"pack", zero, out1}, "zero byte at offset 6"},
        {{"pack", dir + "/missing.ini", out1}, "cannot read"},
        {{"pack", empty, dir + "/no/such/dir/F16.bin"}, "cannot write"},
        {{"check", dir + "/missing.ini"}, "cannot read"},
        {{"pack", empty}, "takes 2 files"},
        {{"frobnicate"}, "unknown command"},
        {{}, "needs a command"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(run(c.args), 2) << c.messagePart;
        const std::string message = err.str();
        EXPECT_NE(message.find(c.messagePart), std::string::npos) << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
        EXPECT_FALSE(fs::exists(out1));
    }
    EXPECT_EQ(files().size(), 6u);  // the inputs only: no temporary left behind
}

TEST_F(StoreCommand, UnpackReadsOnlyWhatTheModuleReads) {
    std::string text(zentra::kStoreMaxText, ';');
    std::string store;
    for (uint8_t b : zentra::packStore(text)) store.push_back(static_cast<char>(b));
    store += "trailing bytes the module never reads";
    const std::string path = write("long.bin", store);
    ASSERT_EQ(run({"unpack", path, dir + "/long.ini"}), 0) << err.str();
    EXPECT_EQ(readAll(dir + "/long.ini"), text);
    EXPECT_NE(err.str().find("only the first 40960"), std::string::npos);
}

TEST_F(StoreCommand, PackReplacesAnExistingStoreWhole) {
    const std::string store = write("F16.bin", "old store");
    const std::string plain = write("c.ini", "[A]\nk=v\n");
    ASSERT_EQ(run({"pack", plain, store}), 0);
    EXPECT_EQ(readAll(store).size(), 10u);
    EXPECT_EQ(files(), (std::vector<std::string>{"F16.bin", "c.ini"}));
}

// A loader of the check's own: section "Test" with a few typed keys.
void loadTestSection(const char* file) {
    zentra::readInt(file, "Test", "Size", 100);
    zentra::readColor(file, "Test", "Colour", "WHITE");
    zentra::readNamed(file, "Test", "Shape", 7, zentra::kSymbolShapeNames, 0);
    zentra::readBool(file, "Test", "Visible", 1);
    zentra::readPoint(file, "Test", "Origin", "0,0");
}

TEST_F(StoreCommand, CheckListsUnreadKeysAndDefaultedValues) {
    const std::string plain = write("check.ini",
                                    "[Test]\n"
                                    "Size=12\n"
                                    "Colour=AMBRE\n"
                                    "Shape=LONG_DIAMOND\n"
                                    "Visbile=NO\n"
                                    "Visible=maybe\n"
                                    "Size=13\n"
                                    "no equals sign\n"
                                    "Origin=1,2\n"
                                    "[Other]\n"
                                    "Key=1\n");
    const std::vector<simhost::StoreCheckLoader> loaders = {{"Test", &loadTestSection}};
    EXPECT_EQ(simhost::runStoreCheck(plain, loaders, out, err), 1);
    std::vector<std::string> lines;
    std::istringstream in(out.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line.substr(plain.size()));
    const std::vector<std::string> expected = {
        ":3: [Test] Colour: \"AMBRE\": unknown colour word, reads black",
        ":4: [Test] Shape: \"LONG_DIAMOND\": name not accepted for this key (accepted: NONE, "
        "LINE, TRIANGLE, LINE_TRIANGLE, SQUARE, CIRCLE, DIAMOND), the default is used",
        ":5: [Test] Visbile: no display reads this key",
        ":6: [Test] Visible: \"maybe\": not a boolean word (YES, TRUE, 1, ON, NO, FALSE, 0, OFF), "
        "the default 1 is used",
        ":7: [Test] Size: repeats the key of line 2; only the first is read",
        ":8: line has no '=', the line is skipped",
        ":11: [Other] Key: no display reads section [Other]",
        ": 7 findings; 5 reads by 1 display loader",
    };
    EXPECT_EQ(lines, expected);
    EXPECT_TRUE(err.str().empty());
}

TEST_F(StoreCommand, CheckOfACleanFileSucceeds) {
    const std::string plain = write("clean.ini", "; fine\n[Test]\nSize=12\nColour=10,20,30\n");
    const std::vector<simhost::StoreCheckLoader> loaders = {{"Test", &loadTestSection}};
    EXPECT_EQ(simhost::runStoreCheck(plain, loaders, out, err), 0);
    EXPECT_NE(out.str().find("0 findings"), std::string::npos);
}

TEST_F(StoreCommand, CheckRunsTheModulesLoaders) {
    EXPECT_FALSE(simhost::storeCheckLoaders().empty());
    const std::string plain =
        write("hostile.ini",
              "[" + std::string(10000, 'x') + "\n=\n[PFD]\nk=" + std::string(500, 'v') + "\n");
    EXPECT_EQ(run({"check", plain}), 1);
    EXPECT_NE(out.str().find("value longer than 98 characters is cut"), std::string::npos);
}

}  // namespace

#include "platform/win32/beep.h"
#include "platform/win32/paths.h"
#include "zentra/config/config_store.h"

namespace {

TEST(DefaultStore, IsBuiltWhereTheModuleLooksForIt) {
    const std::string bin = std::string(TEST_BINARY_DIR) + "/bin";
    ASSERT_TRUE(fs::exists(bin + "/Calvera/F16.bin"));
    ASSERT_TRUE(platform::win32::setCurrentDirectory(bin.c_str()));
    platform::win32::clearRecordedBeeps();
    std::string seen;
    EXPECT_TRUE(zentra::runFirstStoreLoad([&](const char* file) {
        seen = readAll(platform::win32::toNativePath(file));  // a Windows-style path
    }));
    EXPECT_TRUE(platform::win32::recordedBeeps().empty());
    // The module sees the default configuration text exactly.
    EXPECT_EQ(seen, readAll(std::string(TEST_SOURCE_DIR) + "/assets/config/F16.ini"));
    EXPECT_FALSE(fs::exists(bin + "/Calvera/F16.dll"));
}

}  // namespace
