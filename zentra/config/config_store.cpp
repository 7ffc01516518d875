#include "zentra/config/config_store.h"

#include <strings.h>

#include <cstdio>
#include <cstring>
#include <mutex>
#include <vector>

#include "platform/win32/beep.h"
#include "platform/win32/files.h"
#include "platform/win32/paths.h"
#include "zentra/config/store_codec.h"

namespace zentra {
namespace {

namespace pw = platform::win32;

constexpr size_t kCurrentDirectorySize = 500;
constexpr const char* kTemporaryEnding = ".dll";

std::mutex storeMutex;
char storePath[kStorePathBufferSize] = "";
bool firstLoadDone = false;

bool fail() {
    pw::beep(440, 300);
    return false;
}

// Steps 2 to 8 of a load with the store path in storePath.
bool loadFromStorePath(const DisplayLoader& loadDisplays) {
    pw::Handle store = pw::createFile(storePath, pw::kGenericRead, pw::kFileShareRead,
                                      pw::kOpenExisting, pw::kFileAttributeNormal);
    if (store == pw::kInvalidHandle) return fail();
    std::vector<uint8_t> bytes(kStoreMaxBytes);
    uint32_t n = 0;
    const bool read = pw::readFile(store, bytes.data(), static_cast<uint32_t>(bytes.size()), &n);
    pw::closeHandle(store);
    if (!read || !unscrambleStore(bytes.data(), n)) return fail();

    // The temporary path has its own buffer: the store path stays for the
    // next reload.
    const size_t length = std::strlen(storePath);
    // A store named like its temporary file would be overwritten, then deleted.
    if (length < 4 || strcasecmp(storePath + length - 4, kTemporaryEnding) == 0) return fail();
    char plainPath[kStorePathBufferSize];
    std::memcpy(plainPath, storePath, length - 4);
    std::memcpy(plainPath + length - 4, kTemporaryEnding, 5);

    pw::Handle plain = pw::createFile(plainPath, pw::kGenericRead | pw::kGenericWrite, 0,
                                      pw::kCreateAlways, pw::kFileAttributeNormal);
    if (plain == pw::kInvalidHandle) return fail();
    const uint32_t textLength = n - 2;
    uint32_t written = 0;
    const bool wrote = pw::writeFile(plain, bytes.data() + 1, textLength, &written);
    pw::closeHandle(plain);
    if (!wrote || written != textLength) {
        pw::deleteFile(plainPath);  // no half-written plain text left beside the store
        return fail();
    }
    if (loadDisplays) loadDisplays(plainPath);
    pw::deleteFile(plainPath);
    return true;
}

}  // namespace

bool loadConfigurationStore(const char* path, const DisplayLoader& loadDisplays) {
    std::lock_guard lock(storeMutex);
    if (path != nullptr && path[0] != '\0') {
        // A path that does not fit the buffer is refused, never cut.
        if (std::strlen(path) >= kStorePathBufferSize) return fail();
        std::strcpy(storePath, path);
    }
    return loadFromStorePath(loadDisplays);
}

bool defaultStorePath(char* out, size_t size) {
    char current[kCurrentDirectorySize];
    const uint32_t length = pw::getCurrentDirectory(sizeof current, current);
    if (length == 0 || length >= sizeof current) return false;
    const int written = std::snprintf(out, size, "%s\\%s.bin", current, kStoreRelativeName);
    return written > 0 && static_cast<size_t>(written) < size;
}

bool runFirstStoreLoad(const DisplayLoader& loadDisplays) {
    {
        std::lock_guard lock(storeMutex);
        if (firstLoadDone) return false;
        firstLoadDone = true;
    }
    char path[kStorePathBufferSize];
    if (!defaultStorePath(path, sizeof path)) return fail();
    return loadConfigurationStore(path, loadDisplays);
}

const char* configurationStorePath() { return storePath; }

void resetConfigurationStore() {
    std::lock_guard lock(storeMutex);
    storePath[0] = '\0';
    firstLoadDone = false;
}

}  // namespace zentra
