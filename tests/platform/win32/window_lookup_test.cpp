#include "platform/win32/window_lookup.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include "platform/win32/resources.h"

namespace pw = platform::win32;

namespace {

TEST(WindowLookup, FindsRegisteredClassesIgnoringCase) {
    EXPECT_EQ(pw::findWindow("FS98MAIN"), nullptr);
    pw::registerWindowClass("FS98MAIN");
    const pw::WindowHandle main = pw::findWindow("fs98main");
    EXPECT_NE(main, nullptr);
    EXPECT_EQ(pw::findWindow("FS98MAIN"), main);
    EXPECT_EQ(pw::findWindow("Other"), nullptr);
    EXPECT_EQ(pw::findWindow(nullptr), nullptr);
    pw::unregisterWindowClass("Fs98Main");
    EXPECT_EQ(pw::findWindow("FS98MAIN"), nullptr);
}

TEST(ModuleLookup, FindsLoadedLibrariesByBaseName) {
    const pw::ModuleHandle platformModule =
        pw::moduleOf(reinterpret_cast<const void*>(&pw::findWindow));
    ASSERT_NE(platformModule, nullptr);
    for (const char* name : {"platform", "libplatform.so", "PLATFORM.DLL", "LibPlatform",
                             "/some/dir/libplatform.so", "C:\\dir\\platform.dll"}) {
        EXPECT_EQ(pw::getModuleHandle(name), platformModule) << name;
    }
    EXPECT_EQ(pw::getModuleHandle("no_such_module"), nullptr);
    EXPECT_EQ(pw::getModuleHandle(""), nullptr);

    static const int inProgram = 0;
    EXPECT_EQ(pw::getModuleHandle(nullptr), pw::moduleOf(&inProgram));
    EXPECT_EQ(pw::getModuleHandle("test_platform_win32"), pw::moduleOf(&inProgram));
}

TEST(ModuleLookup, ProcAddressStaysInsideTheModule) {
    void* lib = dlopen(WIN32_FIXTURE_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    const pw::ModuleHandle fixture = pw::getModuleHandle("WIN32_FIXTURE.dll");
    ASSERT_NE(fixture, nullptr);
    auto* answer = reinterpret_cast<int (*)()>(pw::getProcAddress(fixture, "win32FixtureAnswer"));
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer(), 42);
    EXPECT_EQ(pw::getProcAddress(fixture, "missingSymbol"), nullptr);
    // The platform's own export is not the fixture's.
    const pw::ModuleHandle platformModule = pw::getModuleHandle("platform");
    EXPECT_EQ(pw::getProcAddress(platformModule, "win32FixtureAnswer"), nullptr);
    EXPECT_EQ(pw::getProcAddress(nullptr, "win32FixtureAnswer"), nullptr);
    dlclose(lib);
    EXPECT_EQ(pw::getModuleHandle("win32_fixture"), nullptr);
}

}  // namespace
