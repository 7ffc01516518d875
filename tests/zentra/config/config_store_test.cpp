#include "zentra/config/config_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "platform/win32/beep.h"
#include "platform/win32/paths.h"
#include "zentra/config/config_reader.h"
#include "zentra/config/store_codec.h"

namespace fs = std::filesystem;
namespace pw = platform::win32;
using namespace zentra;

namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

const std::vector<pw::BeepRecord> kFailureBeep = {{440, 300}};

class Store : public ::testing::Test {
  protected:
    void SetUp() override {
        resetConfigurationStore();
        pw::clearRecordedBeeps();
        std::string pattern = (fs::temp_directory_path() / "store-XXXXXX").string();
        dir = mkdtemp(pattern.data());
        store = dir + "/F16.bin";
        plain = dir + "/F16.dll";
    }
    void TearDown() override { fs::remove_all(dir); }

    // What a display would do: read its section from the file it is given.
    DisplayLoader loader() {
        return [this](const char* file) {
            seenFiles.push_back(file);
            plainExisted = fs::exists(file);
            seenText = readAll(file);
            seenSize = readInt(file, "PFD", "SizeX", -1);
        };
    }

    std::string dir, store, plain;
    std::vector<std::string> seenFiles;
    std::string seenText;
    bool plainExisted = false;
    int seenSize = 0;
};

TEST_F(Store, LoadsEveryDisplayFromATemporaryPlainFile) {
    const std::string text = "[PFD]\r\nSizeX=640\r\n";
    writeBytes(store, packStore(text));
    ASSERT_TRUE(loadConfigurationStore(store.c_str(), loader()));
    ASSERT_EQ(seenFiles.size(), 1u);
    EXPECT_EQ(seenFiles[0], plain);
    EXPECT_TRUE(plainExisted);
    EXPECT_EQ(seenText, text);  // the header and check bytes are not part of it
    EXPECT_EQ(seenSize, 640);
    EXPECT_FALSE(fs::exists(plain));  // deleted after the displays read it
    EXPECT_TRUE(fs::exists(store));
    EXPECT_TRUE(pw::recordedBeeps().empty());
    EXPECT_STREQ(configurationStorePath(), store.c_str());
}

TEST_F(Store, ReloadWithoutAPathUsesTheStoreAgain) {
    writeBytes(store, packStore("[PFD]\nSizeX=1\n"));
    ASSERT_TRUE(loadConfigurationStore(store.c_str(), loader()));
    writeBytes(store, packStore("[PFD]\nSizeX=2\n"));
    ASSERT_TRUE(loadConfigurationStore("", loader()));
    EXPECT_EQ(seenSize, 2);
    EXPECT_STREQ(configurationStorePath(), store.c_str());
    EXPECT_TRUE(pw::recordedBeeps().empty());
}

TEST_F(Store, RejectsBadStoresWithTheBeepAndLeavesDisplaysAlone) {
    std::vector<uint8_t> badCheck = packStore("[PFD]\nSizeX=1\n");
    badCheck.back() ^= 0x01;
    std::vector<uint8_t> garbage(kStoreMaxBytes);
    for (size_t i = 0; i < garbage.size(); ++i) garbage[i] = static_cast<uint8_t>(i * 7919 + 13);
    std::vector<uint8_t> probe = garbage;
    if (unscrambleStore(probe.data(), probe.size()))
        garbage.back() ^= 0x01;  // never valid by chance
    const std::vector<std::vector<uint8_t>> stores = {
        {},
        {0x42},
        badCheck,
        garbage,
    };
    for (const auto& bytes : stores) {
        pw::clearRecordedBeeps();
        writeBytes(store, bytes);
        EXPECT_FALSE(loadConfigurationStore(store.c_str(), loader())) << bytes.size();
        EXPECT_EQ(pw::recordedBeeps(), kFailureBeep) << bytes.size();
        EXPECT_FALSE(fs::exists(plain));
    }
    EXPECT_TRUE(seenFiles.empty());
}

TEST_F(Store, TwoBytesAreAnEmptyConfiguration) {
    const std::vector<uint8_t> bytes = packStore("");
    ASSERT_EQ(bytes.size(), 2u);
    writeBytes(store, bytes);
    ASSERT_TRUE(loadConfigurationStore(store.c_str(), loader()));
    EXPECT_EQ(seenText, "");
    EXPECT_EQ(seenSize, -1);  // every key takes its default
}

TEST_F(Store, ReadsNoMoreThanTheLimit) {
    std::string text = "[PFD]\nSizeX=77\n";
    text.resize(kStoreMaxText, ';');
    std::vector<uint8_t> bytes = packStore(text);
    ASSERT_EQ(bytes.size(), kStoreMaxBytes);
    bytes.insert(bytes.end(), 5000, 0xAB);  // ignored: the check byte is at 40959
    writeBytes(store, bytes);
    ASSERT_TRUE(loadConfigurationStore(store.c_str(), loader()));
    EXPECT_EQ(seenText.size(), kStoreMaxText);
    EXPECT_EQ(seenSize, 77);
}

TEST_F(Store, RefusesPathsItCannotHoldOrWouldOverwrite) {
    writeBytes(store, packStore("[PFD]\nSizeX=5\n"));
    ASSERT_TRUE(loadConfigurationStore(store.c_str(), loader()));
    pw::clearRecordedBeeps();

    const std::string tooLong = dir + "/" + std::string(kStorePathBufferSize, 'a') + ".bin";
    EXPECT_FALSE(loadConfigurationStore(tooLong.c_str(), loader()));
    EXPECT_EQ(pw::recordedBeeps(), kFailureBeep);
    EXPECT_STREQ(configurationStorePath(), store.c_str());  // the last good path is kept

    // A store named like its own temporary file would be overwritten and deleted.
    const std::string dllStore = dir + "/Other.dll";
    writeBytes(dllStore, packStore("[PFD]\nSizeX=5\n"));
    const std::string before = readAll(dllStore);
    EXPECT_FALSE(loadConfigurationStore(dllStore.c_str(), loader()));
    EXPECT_EQ(readAll(dllStore), before);
    EXPECT_EQ(seenFiles.size(), 1u);
}

TEST_F(Store, ReloadBeforeAnyLoadFails) {
    EXPECT_FALSE(loadConfigurationStore("", loader()));
    EXPECT_FALSE(loadConfigurationStore(nullptr, loader()));
    EXPECT_EQ(pw::recordedBeeps().size(), 2u);
    EXPECT_TRUE(seenFiles.empty());
}

TEST_F(Store, FirstLoadUsesTheCurrentDirectoryOnce) {
    char saved[4096];
    pw::getCurrentDirectory(sizeof saved, saved);
    fs::create_directory(dir + "/Calvera");
    writeBytes(dir + "/Calvera/F16.bin", packStore("[PFD]\nSizeX=9\n"));
    ASSERT_TRUE(pw::setCurrentDirectory(dir.c_str()));
    EXPECT_TRUE(runFirstStoreLoad(loader()));
    EXPECT_FALSE(runFirstStoreLoad(loader()));  // once only
    pw::setCurrentDirectory(saved);
    EXPECT_EQ(seenSize, 9);
    EXPECT_EQ(seenFiles.size(), 1u);
    EXPECT_EQ(std::string(configurationStorePath()), dir + "\\Calvera\\F16.bin");
    EXPECT_FALSE(fs::exists(dir + "/Calvera/F16.dll"));
}

TEST_F(Store, FailedFirstLoadIsNotRetriedButAReloadIs) {
    char saved[4096];
    pw::getCurrentDirectory(sizeof saved, saved);
    ASSERT_TRUE(pw::setCurrentDirectory(dir.c_str()));
    EXPECT_FALSE(runFirstStoreLoad(loader()));
    EXPECT_EQ(pw::recordedBeeps(), kFailureBeep);
    fs::create_directory(dir + "/Calvera");
    writeBytes(dir + "/Calvera/F16.bin", packStore("[PFD]\nSizeX=3\n"));
    EXPECT_FALSE(runFirstStoreLoad(loader()));
    EXPECT_TRUE(loadConfigurationStore("", loader()));
    pw::setCurrentDirectory(saved);
    EXPECT_EQ(seenSize, 3);
}

TEST(StoreCodec, PackedBytesFollowTheKeyAndCheckByte) {
    const std::vector<uint8_t> bytes = packStore("AB");
    ASSERT_EQ(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], kStoreHeaderByte ^ storeKeyByte(0));
    EXPECT_EQ(bytes[1], 'A' ^ storeKeyByte(1));
    EXPECT_EQ(bytes[2], 'B' ^ storeKeyByte(2));
    EXPECT_EQ(bytes[3], static_cast<uint8_t>(kStoreHeaderByte + 'A' + 'B') ^ storeKeyByte(3));
    std::vector<uint8_t> copy = bytes;
    ASSERT_TRUE(unscrambleStore(copy.data(), copy.size()));
    EXPECT_EQ(copy[1], 'A');
    EXPECT_EQ(storeKeyByte(30), storeKeyByte(0));
    EXPECT_FALSE(unscrambleStore(nullptr, 5));
}

}  // namespace
