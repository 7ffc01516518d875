#include "platform/win32/paths.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace pw = platform::win32;

namespace {

class Paths : public ::testing::Test {
  protected:
    void SetUp() override {
        char buf[4096];
        ASSERT_LT(pw::getCurrentDirectory(sizeof buf, buf), sizeof buf);
        saved = buf;
    }
    void TearDown() override { pw::setCurrentDirectory(saved.c_str()); }
    std::string saved;
    win32_test::TempDir dir;
};

TEST_F(Paths, MapsWindowsStylePaths) {
    std::filesystem::create_directories(dir.file("Calvera"));
    dir.write("Calvera/F16.bin", "x");
    ASSERT_TRUE(pw::setCurrentDirectory(dir.path().c_str()));
    const std::string& d = dir.path();
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {d + "\\Calvera\\F16.bin", d + "/Calvera/F16.bin"},
        {"Calvera\\F16.bin", d + "/Calvera/F16.bin"},  // relative to the current directory
        {"calvera\\f16.BIN", d + "/Calvera/F16.bin"},  // spelling of the existing file
        {"C:" + d + "\\Calvera\\F16.bin", d + "/Calvera/F16.bin"},
        {"calvera\\new.dll", d + "/Calvera/new.dll"},  // a file still to be made
        {"nowhere\\F16.bin", d + "/nowhere/F16.bin"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(pw::toNativePath(c.in.c_str()), c.out) << c.in;
    EXPECT_EQ(pw::toNativePath(nullptr), "");
}

TEST_F(Paths, CurrentDirectoryHasWin32Results) {
    ASSERT_TRUE(pw::setCurrentDirectory((dir.path() + "/").c_str()));
    const auto length = static_cast<uint32_t>(dir.path().size());
    char small[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(pw::getCurrentDirectory(sizeof small, small), length + 1);
    EXPECT_EQ(small[0], 'a');  // untouched when too small
    EXPECT_EQ(pw::getCurrentDirectory(length, nullptr), length + 1);
    std::vector<char> exact(length + 1);
    EXPECT_EQ(pw::getCurrentDirectory(length + 1, exact.data()), length);
    EXPECT_EQ(std::string(exact.data()), dir.path());

    EXPECT_FALSE(pw::setCurrentDirectory(dir.file("missing").c_str()));
    dir.write("plain", "x");
    EXPECT_FALSE(pw::setCurrentDirectory(dir.file("plain").c_str()));
    EXPECT_FALSE(pw::setCurrentDirectory(nullptr));
    EXPECT_EQ(pw::getCurrentDirectory(length + 1, exact.data()), length);  // unchanged
}

}  // namespace
