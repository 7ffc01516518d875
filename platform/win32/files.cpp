#include "platform/win32/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>
#include <unordered_set>

#include "platform/win32/kernel_object.h"
#include "platform/win32/paths.h"
#include "platform/win32/profile_reader.h"

namespace platform::win32 {
namespace {

struct FileObject;

// Open files of this process, for the share-mode rules.
struct OpenFiles {
    std::mutex mutex;
    std::unordered_set<FileObject*> files;
};

OpenFiles& openFiles() {
    static auto* table = new OpenFiles;
    return *table;
}

struct FileObject final : KernelObject {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
    uint32_t access = 0;
    uint32_t share = 0;
    bool wrote = false;

    ~FileObject() override {
        {
            std::lock_guard lock(openFiles().mutex);
            openFiles().files.erase(this);
        }
        if (fd >= 0) ::close(fd);
        if (wrote) forgetProfileCache();
    }
};

uint32_t errorFromErrno(int error) {
    switch (error) {
        case ENOENT:
            return kErrorFileNotFound;
        case ENOTDIR:
            return kErrorPathNotFound;
        case EACCES:
        case EPERM:
        case EISDIR:
        case EROFS:
            return kErrorAccessDenied;
        case EEXIST:
            return kErrorFileExists;
        case ENAMETOOLONG:
            return kErrorFilenameTooLong;
        default:
            return kErrorGeneric;
    }
}

bool reads(uint32_t access) { return (access & kGenericRead) != 0; }
bool writes(uint32_t access) { return (access & kGenericWrite) != 0; }

// Two opens of one file agree when each shares what the other uses.
bool compatible(const FileObject& open, uint32_t access, uint32_t share) {
    if (reads(access) && (open.share & kFileShareRead) == 0) return false;
    if (writes(access) && (open.share & kFileShareWrite) == 0) return false;
    if (reads(open.access) && (share & kFileShareRead) == 0) return false;
    if (writes(open.access) && (share & kFileShareWrite) == 0) return false;
    return true;
}

}  // namespace

Handle createFile(const char* path, uint32_t access, uint32_t shareMode, uint32_t creation,
                  uint32_t /*attributes*/) {
    const std::string native = toNativePath(path);
    if (native.empty()) {
        setLastError(kErrorPathNotFound);
        return kInvalidHandle;
    }
    int flags = O_CLOEXEC;
    if (reads(access) && writes(access)) {
        flags |= O_RDWR;
    } else if (writes(access)) {
        flags |= O_WRONLY;
    } else {
        flags |= O_RDONLY;
    }
    switch (creation) {
        case kCreateNew:
            flags |= O_CREAT | O_EXCL;
            break;
        case kCreateAlways:
        case kOpenAlways:
            flags |= O_CREAT;
            break;
        case kOpenExisting:
            break;
        default:
            setLastError(kErrorInvalidParameter);
            return kInvalidHandle;
    }
    const int fd = ::open(native.c_str(), flags, 0666);
    if (fd < 0) {
        setLastError(errorFromErrno(errno));
        return kInvalidHandle;
    }
    struct stat st;
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        setLastError(kErrorAccessDenied);
        return kInvalidHandle;
    }
    auto* file = new FileObject;
    file->fd = fd;
    file->device = st.st_dev;
    file->inode = st.st_ino;
    file->access = access;
    file->share = shareMode;
    bool shared = true;
    {
        std::lock_guard lock(openFiles().mutex);
        for (const FileObject* open : openFiles().files) {
            if (open->device == st.st_dev && open->inode == st.st_ino &&
                !compatible(*open, access, shareMode)) {
                shared = false;
                break;
            }
        }
        if (shared) openFiles().files.insert(file);
    }
    if (!shared) {
        closeHandle(file);  // not in the open table: only the descriptor to release
        setLastError(kErrorSharingViolation);
        return kInvalidHandle;
    }
    // Truncate only once the share check has passed, never under another open.
    if (creation == kCreateAlways && st.st_size > 0) {
        if (!writes(access) || ftruncate(fd, 0) != 0) {
            closeHandle(file);
            setLastError(kErrorAccessDenied);
            return kInvalidHandle;
        }
        file->wrote = true;
    }
    setLastError(kErrorSuccess);
    return file;
}

bool readFile(Handle handle, void* buffer, uint32_t toRead, uint32_t* bytesRead) {
    if (bytesRead != nullptr) *bytesRead = 0;
    auto* file = objectAs<FileObject>(handle);
    if (file == nullptr) return false;
    if ((buffer == nullptr && toRead > 0) || !reads(file->access)) {
        setLastError(buffer == nullptr ? kErrorInvalidParameter : kErrorAccessDenied);
        return false;
    }
    auto* out = static_cast<char*>(buffer);
    uint32_t total = 0;
    while (total < toRead) {
        const ssize_t got = ::read(file->fd, out + total, toRead - total);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            setLastError(errorFromErrno(errno));
            if (bytesRead != nullptr) *bytesRead = total;
            return false;
        }
        if (got == 0) break;
        total += static_cast<uint32_t>(got);
    }
    if (bytesRead != nullptr) *bytesRead = total;
    return true;
}

bool writeFile(Handle handle, const void* buffer, uint32_t toWrite, uint32_t* bytesWritten) {
    if (bytesWritten != nullptr) *bytesWritten = 0;
    auto* file = objectAs<FileObject>(handle);
    if (file == nullptr) return false;
    if ((buffer == nullptr && toWrite > 0) || !writes(file->access)) {
        setLastError(buffer == nullptr ? kErrorInvalidParameter : kErrorAccessDenied);
        return false;
    }
    const auto* in = static_cast<const char*>(buffer);
    uint32_t total = 0;
    bool ok = true;
    while (total < toWrite) {
        const ssize_t put = ::write(file->fd, in + total, toWrite - total);
        if (put < 0 && errno == EINTR) continue;
        if (put <= 0) {
            setLastError(put < 0 ? errorFromErrno(errno) : kErrorGeneric);
            ok = false;
            break;
        }
        total += static_cast<uint32_t>(put);
    }
    if (total > 0) {
        file->wrote = true;
        forgetProfileCache();
    }
    if (bytesWritten != nullptr) *bytesWritten = total;
    return ok;
}

bool deleteFile(const char* path) {
    const std::string native = toNativePath(path);
    struct stat st;
    if (native.empty() || lstat(native.c_str(), &st) != 0) {
        setLastError(native.empty() ? kErrorPathNotFound : errorFromErrno(errno));
        return false;
    }
    if (S_ISDIR(st.st_mode)) {
        setLastError(kErrorAccessDenied);
        return false;
    }
    {
        std::lock_guard lock(openFiles().mutex);
        for (const FileObject* open : openFiles().files) {
            if (open->device == st.st_dev && open->inode == st.st_ino &&
                (open->share & kFileShareDelete) == 0) {
                setLastError(kErrorSharingViolation);
                return false;
            }
        }
        if (::unlink(native.c_str()) != 0) {
            setLastError(errorFromErrno(errno));
            return false;
        }
    }
    forgetProfileCache();
    return true;
}

}  // namespace platform::win32
