#include "platform/win32/resources.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/win32/window_lookup.h"
#include "temp_dir.h"

namespace pw = platform::win32;

namespace {

std::string bytesOf(pw::ResourceData r) {
    return std::string(reinterpret_cast<const char*>(r.data), r.size);
}

std::string dataFile(const char* name) {
    return win32_test::readAll(std::string(TEST_SOURCE_DIR) + "/tests/platform/win32/data/" + name);
}

TEST(Resources, EmbeddedIntoTheProgramByIdAndType) {
    static const int anchor = 0;
    const pw::ModuleHandle self = pw::moduleOf(&anchor);
    const pw::ResourceData bitmap = pw::findResource(self, 4592, "BITMAP");
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bytesOf(bitmap), dataFile("tiny.bmp"));
    EXPECT_EQ(bytesOf(pw::findResource(self, 4096, "wave")), dataFile("tiny.wav"));
    EXPECT_EQ(bytesOf(pw::findResource(nullptr, 4096, "WAVE")), dataFile("tiny.wav"));
    EXPECT_FALSE(pw::findResource(self, 4592, "WAVE"));  // right id, other type
    EXPECT_FALSE(pw::findResource(self, 1, "BITMAP"));
    EXPECT_FALSE(pw::findResource(self, 4592, nullptr));
}

TEST(Resources, BelongToTheirModuleWhileItIsLoaded) {
    void* lib = dlopen(WIN32_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    const pw::ModuleHandle fixture = pw::getModuleHandle("win32_fixture");
    EXPECT_EQ(bytesOf(pw::findResource(fixture, 7, "BITMAP")), dataFile("fixture.bin"));
    EXPECT_FALSE(pw::findResource(nullptr, 7, "BITMAP"));  // not the program's
    dlclose(lib);
    EXPECT_FALSE(pw::findResource(fixture, 7, "BITMAP"));
}

}  // namespace
