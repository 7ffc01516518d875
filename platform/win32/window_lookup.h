#pragma once
// Finding the host's windows by class name and loaded modules by name.
#include "platform/win32/handles.h"

namespace platform::win32 {

// The host registers its window classes (the simulator's main window is
// "FS98MAIN"); class names match without regard to case.
void registerWindowClass(const char* className);
void unregisterWindowClass(const char* className);

// A non-null handle while the class is registered, else null.
WindowHandle findWindow(const char* className);

// The load base of a loaded shared library found by base name, without
// regard to case, ignoring a directory, a "lib" prefix and a ".dll" or
// ".so" ending. Null name: the main program. Null when not loaded.
ModuleHandle getModuleHandle(const char* name);

// An exported symbol of a loaded module, or null.
void* getProcAddress(ModuleHandle module, const char* name);

}  // namespace platform::win32
