#pragma once
// What a Handle points at; private to platform/win32.
#include "platform/win32/handles.h"

namespace platform::win32 {

struct KernelObject {
    KernelObject();
    virtual ~KernelObject();
    KernelObject(const KernelObject&) = delete;
    KernelObject& operator=(const KernelObject&) = delete;
};

// The live object behind a handle when it is of type T, else null with
// kErrorInvalidHandle set. Closed or foreign handles are never dereferenced.
KernelObject* liveObject(Handle handle);

template <typename T>
T* objectAs(Handle handle) {
    T* object = dynamic_cast<T*>(liveObject(handle));
    if (object == nullptr) setLastError(kErrorInvalidHandle);
    return object;
}

}  // namespace platform::win32
