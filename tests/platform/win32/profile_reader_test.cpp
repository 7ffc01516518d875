#include "platform/win32/profile_reader.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win32/files.h"
#include "platform/win32/paths.h"
#include "temp_dir.h"

namespace pw = platform::win32;

namespace {

const char* const kProfile =
    "; comment line\n"
    "[PFD]\n"
    "  SizeX =  1000  \n"
    "Color=AMBER ; not a comment\n"
    "color=RED\n"
    "Equation=a=b\n"
    "Empty=\n"
    "\tTabbed\t=\tvalue with  inner  blanks\t\n"
    "; Hidden=1\n"
    "[ nd ]\n"
    "Range=40\n"
    "[Pfd]\n"
    "SizeX=2000\n"
    "Late=1\n";

struct ReadCase {
    const char* section;
    const char* key;
    const char* expected;
};

class ProfileReader : public ::testing::Test {
  protected:
    win32_test::TempDir dir;
    std::string file = dir.write("cfg.ini", kProfile);

    std::string read(const char* section, const char* key, uint32_t size = 99) {
        char out[128];
        std::memset(out, '#', sizeof out);
        const uint32_t n =
            pw::getPrivateProfileString(section, key, "<DEF>", out, size, file.c_str());
        EXPECT_EQ(n, std::strlen(out));
        return out;
    }
};

TEST_F(ProfileReader, ReadsByTheProfileRules) {
    const ReadCase cases[] = {
        {"PFD", "SizeX", "1000"},                   // blanks trimmed, first section wins
        {"pfd", "sizex", "1000"},                   // names ignore case
        {"PFD", "Color", "AMBER ; not a comment"},  // ';' only starts a comment line
        {"PFD", "COLOR", "AMBER ; not a comment"},  // first of two same keys
        {"PFD", "Equation", "a=b"},                 // split at the first '='
        {"PFD", "Empty", ""},                       // present but empty is not missing
        {"PFD", "Tabbed", "value with  inner  blanks"},
        {"PFD", "Hidden", "<DEF>"},   // commented out
        {"ND", "Range", "40"},        // blanks inside the brackets trimmed
        {" ND ", " Range ", "40"},    // and around the names asked for
        {"PFD", "Late", "<DEF>"},     // in a later section of the same name
        {"EICAS", "SizeX", "<DEF>"},  // missing section
        {"PFD", "Nothing", "<DEF>"},  // missing key
    };
    for (const ReadCase& c : cases) {
        EXPECT_EQ(read(c.section, c.key), c.expected) << c.section << "/" << c.key;
    }
}

TEST_F(ProfileReader, CutsTheValueToTheBuffer) {
    EXPECT_EQ(read("PFD", "Tabbed", 6), "value");
    EXPECT_EQ(read("PFD", "Nothing", 3), "<D");  // the default is cut the same way
    char out[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", "d", out, 0, file.c_str()), 0u);
    EXPECT_EQ(out[0], 'x');  // size 0 writes nothing
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", "d", out, 1, file.c_str()), 0u);
    EXPECT_EQ(out[0], '\0');
}

TEST_F(ProfileReader, MissingFileOrNullArgumentsGiveTheDefault) {
    char out[32];
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", "dflt", out, sizeof out,
                                          dir.file("absent.ini").c_str()),
              4u);
    EXPECT_STREQ(out, "dflt");
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", nullptr, out, sizeof out, nullptr), 0u);
    EXPECT_STREQ(out, "");
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", "d", nullptr, 10, file.c_str()), 0u);
    // A directory is not a profile.
    EXPECT_EQ(pw::getPrivateProfileString("PFD", "SizeX", "d", out, sizeof out, dir.path().c_str()),
              1u);
}

TEST_F(ProfileReader, WindowsStylePathsAndLineEndings) {
    dir.write("Sub.ini", "\xEF\xBB\xBF[A]\r\nKey=crlf\r\n");
    std::filesystem::create_directory(dir.file("Calvera"));
    dir.write("Calvera/F16.ini", "[B]\nK=v\n");
    char out[32];
    pw::getPrivateProfileString("A", "Key", "", out, sizeof out,
                                (dir.path() + "\\sub.INI").c_str());
    EXPECT_STREQ(out, "crlf");
    pw::getPrivateProfileString("B", "K", "", out, sizeof out,
                                (dir.path() + "\\calvera\\f16.ini").c_str());
    EXPECT_STREQ(out, "v");
}

TEST_F(ProfileReader, SeesAFileRewrittenThroughTheFileCalls) {
    EXPECT_EQ(read("ND", "Range", 99), "40");
    pw::Handle h = pw::createFile(file.c_str(), pw::kGenericWrite, 0, pw::kCreateAlways,
                                  pw::kFileAttributeNormal);
    ASSERT_NE(h, pw::kInvalidHandle);
    const std::string text = "[ND]\nRange=80\n";
    uint32_t written = 0;
    ASSERT_TRUE(pw::writeFile(h, text.data(), static_cast<uint32_t>(text.size()), &written));
    pw::closeHandle(h);
    EXPECT_EQ(read("ND", "Range", 99), "80");
    ASSERT_TRUE(pw::deleteFile(file.c_str()));
    EXPECT_EQ(read("ND", "Range", 99), "<DEF>");
}

TEST(ProfileText, ReportsLinesAndShadowedEntries) {
    const pw::ProfileText text = pw::parseProfileText(
        "orphan=1\n"
        "[A]\n"
        "k=1\n"
        "K = 2\n"
        "no equals here\n"
        "=novalue\n"
        "[a]\n"
        "other=3\n"
        "[Unclosed\n"
        "x=4\n");
    ASSERT_EQ(text.entries.size(), 4u);
    EXPECT_EQ(text.entries[0].key, "k");
    EXPECT_EQ(text.entries[0].line, 3);
    EXPECT_FALSE(text.entries[0].shadowed);
    EXPECT_TRUE(text.entries[1].shadowed);  // same key, later
    EXPECT_EQ(text.entries[1].value, "2");
    EXPECT_TRUE(text.entries[2].shadowed);  // section [a] repeats [A]
    EXPECT_EQ(text.entries[3].section, "Unclosed");
    EXPECT_EQ(text.entries[3].line, 10);
    std::vector<int> problemLines;
    for (const auto& p : text.problems) problemLines.push_back(p.line);
    EXPECT_EQ(problemLines, (std::vector<int>{1, 5, 6, 9}));
}

TEST(ProfileText, SurvivesHostileText) {
    std::string text(10000, 'x');
    text += "\n[";
    text += std::string(5000, '[');
    text += "\n=\n\0\0[A]\nk=\xff\xfe\n";
    const pw::ProfileText parsed = pw::parseProfileText(text);
    EXPECT_FALSE(parsed.problems.empty());
}

}  // namespace
