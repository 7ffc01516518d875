#pragma once
// The scrambled configuration store: a header byte, the configuration text
// and a check byte, all XOR-ed with a fixed 30-byte key repeating from
// offset 0. The check byte holds the 8-bit sum of the plain bytes before it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zentra {

inline constexpr size_t kStoreKeyLength = 30;
inline constexpr size_t kStoreMaxBytes = 40960;  // the loader reads no more
inline constexpr size_t kStoreMaxText = kStoreMaxBytes - 2;
inline constexpr uint8_t kStoreHeaderByte = 0x01;  // format 1; the loader ignores it

uint8_t storeKeyByte(size_t offset);

// The store bytes for a configuration text (at most kStoreMaxText bytes;
// the caller checks).
std::vector<uint8_t> packStore(std::string_view text);

// Unscrambles bytes 0 .. n-2 in place and checks the last byte. False for
// fewer than two bytes or a check byte that does not match; the plain text
// is then bytes 1 .. n-2.
bool unscrambleStore(uint8_t* bytes, size_t n);

}  // namespace zentra
