#include "platform/win32/files.h"

#include <gtest/gtest.h>

#include "temp_dir.h"

namespace pw = platform::win32;

namespace {

pw::Handle openRead(const std::string& path, uint32_t share = pw::kFileShareRead) {
    return pw::createFile(path.c_str(), pw::kGenericRead, share, pw::kOpenExisting,
                          pw::kFileAttributeNormal);
}

pw::Handle createReadWrite(const std::string& path, uint32_t share = 0) {
    return pw::createFile(path.c_str(), pw::kGenericRead | pw::kGenericWrite, share,
                          pw::kCreateAlways, pw::kFileAttributeNormal);
}

TEST(Files, CreateAlwaysWritesAndReadsBack) {
    win32_test::TempDir dir;
    const std::string path = dir.write("t.dll", "old content that is longer");
    pw::Handle h = createReadWrite(dir.path() + "\\t.dll");
    ASSERT_NE(h, pw::kInvalidHandle);
    uint32_t n = 0;
    ASSERT_TRUE(pw::writeFile(h, "fresh", 5, &n));
    EXPECT_EQ(n, 5u);
    EXPECT_TRUE(pw::closeHandle(h));
    EXPECT_EQ(win32_test::readAll(path), "fresh");  // replaced, not overwritten in place

    h = openRead(path);
    ASSERT_NE(h, pw::kInvalidHandle);
    char buf[64];
    ASSERT_TRUE(pw::readFile(h, buf, sizeof buf, &n));
    EXPECT_EQ(std::string(buf, n), "fresh");
    ASSERT_TRUE(pw::readFile(h, buf, sizeof buf, &n));
    EXPECT_EQ(n, 0u);                            // end of file
    EXPECT_FALSE(pw::writeFile(h, "x", 1, &n));  // opened for reading only
    EXPECT_EQ(pw::getLastError(), pw::kErrorAccessDenied);
    EXPECT_TRUE(pw::closeHandle(h));
    EXPECT_FALSE(pw::closeHandle(h));  // closed handles are refused, not used
    EXPECT_FALSE(pw::readFile(h, buf, sizeof buf, &n));
    EXPECT_EQ(pw::getLastError(), pw::kErrorInvalidHandle);
}

TEST(Files, FailuresSetTheLastError) {
    win32_test::TempDir dir;
    EXPECT_EQ(openRead(dir.file("missing.bin")), pw::kInvalidHandle);
    EXPECT_EQ(pw::getLastError(), pw::kErrorFileNotFound);
    EXPECT_EQ(openRead(dir.path()), pw::kInvalidHandle);  // a directory
    EXPECT_EQ(pw::getLastError(), pw::kErrorAccessDenied);
    EXPECT_EQ(createReadWrite(dir.file("no/such/dir.dll")), pw::kInvalidHandle);
    EXPECT_EQ(pw::createFile(dir.file("x").c_str(), pw::kGenericRead, 0, 99, 0),
              pw::kInvalidHandle);
    EXPECT_EQ(pw::getLastError(), pw::kErrorInvalidParameter);
    EXPECT_FALSE(pw::deleteFile(dir.file("missing.bin").c_str()));
    EXPECT_EQ(pw::getLastError(), pw::kErrorFileNotFound);
    EXPECT_FALSE(pw::deleteFile(nullptr));
}

TEST(Files, ShareModesHoldBetweenHandles) {
    win32_test::TempDir dir;
    const std::string path = dir.write("s.bin", "abc");
    pw::Handle reader1 = openRead(path);
    pw::Handle reader2 = openRead(path);
    EXPECT_NE(reader1, pw::kInvalidHandle);
    EXPECT_NE(reader2, pw::kInvalidHandle);  // both share reading
    // A writer that shares nothing must wait for the readers; the file stays.
    EXPECT_EQ(createReadWrite(path), pw::kInvalidHandle);
    EXPECT_EQ(pw::getLastError(), pw::kErrorSharingViolation);
    EXPECT_EQ(win32_test::readAll(path), "abc");
    EXPECT_FALSE(pw::deleteFile(path.c_str()));  // open without delete sharing
    EXPECT_EQ(pw::getLastError(), pw::kErrorSharingViolation);
    pw::closeHandle(reader1);
    pw::closeHandle(reader2);

    pw::Handle exclusive = createReadWrite(path);
    ASSERT_NE(exclusive, pw::kInvalidHandle);
    EXPECT_EQ(openRead(path), pw::kInvalidHandle);
    pw::closeHandle(exclusive);
    EXPECT_TRUE(pw::deleteFile(path.c_str()));
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(Files, CreateNewRefusesAnExistingFile) {
    win32_test::TempDir dir;
    const std::string path = dir.write("n.bin", "keep");
    EXPECT_EQ(pw::createFile(path.c_str(), pw::kGenericWrite, 0, pw::kCreateNew, 0),
              pw::kInvalidHandle);
    EXPECT_EQ(pw::getLastError(), pw::kErrorFileExists);
    EXPECT_EQ(win32_test::readAll(path), "keep");
}

}  // namespace
