#include "zentra/config/store_codec.h"

namespace zentra {
namespace {

constexpr uint8_t kKey[kStoreKeyLength] = {
    0x5A, 0xC3, 0x17, 0x8E, 0x21, 0xF4, 0x6B, 0x90, 0x3D, 0xA7, 0x0C, 0xE5, 0x72, 0x49, 0xB8,
    0x16, 0xDF, 0x84, 0x2B, 0x63, 0xCA, 0x1F, 0x95, 0x7E, 0x38, 0xB1, 0x04, 0xED, 0x56, 0xA2,
};

}  // namespace

uint8_t storeKeyByte(size_t offset) { return kKey[offset % kStoreKeyLength]; }

std::vector<uint8_t> packStore(std::string_view text) {
    std::vector<uint8_t> out;
    out.reserve(text.size() + 2);
    uint8_t sum = kStoreHeaderByte;
    out.push_back(kStoreHeaderByte ^ storeKeyByte(0));
    for (size_t i = 0; i < text.size(); ++i) {
        const auto plain = static_cast<uint8_t>(text[i]);
        sum = static_cast<uint8_t>(sum + plain);
        out.push_back(plain ^ storeKeyByte(i + 1));
    }
    out.push_back(sum ^ storeKeyByte(out.size()));
    return out;
}

bool unscrambleStore(uint8_t* bytes, size_t n) {
    // Fewer than two bytes hold no check byte: not a store.
    if (bytes == nullptr || n < 2) return false;
    uint8_t sum = 0;
    for (size_t i = 0; i + 1 < n; ++i) {
        bytes[i] ^= storeKeyByte(i);
        sum = static_cast<uint8_t>(sum + bytes[i]);
    }
    return sum == static_cast<uint8_t>(bytes[n - 1] ^ storeKeyByte(n - 1));
}

}  // namespace zentra
