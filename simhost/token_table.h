#pragma once
// The host's module variables: for every token the modules read, its meaning,
// the natural unit a scenario gives it in, and how the host encodes that value
// into the token's 8-byte field so that the modules' own conversions give the
// natural value back.
#include <string>
#include <string_view>
#include <vector>

#include "host/module_var.h"

namespace simhost {

enum class Encoding {
    Scale,    // raw = natural / factor (the module multiplies by factor)
    Rankine,  // natural degrees C, raw degrees Rankine
    Bcd,      // MHz as four BCD digits of (f - 100) x 100, e.g. 110.80 -> 0x1080
    AdfLow,   // kHz: hundreds, tens and units digits (bits 8-11, 4-7, 0-3)
    AdfHigh,  // kHz: thousands digit in bits 8-11, tenths in bits 0-3
    Text,     // an ident; the field holds the text's address
};

// How keyframes of the channel blend between their times.
enum class Blend { Linear, Angle, Step };

struct TokenEntry {
    std::string channel;  // scenario channel name
    int token = 0;
    std::string meaning;
    std::string unit;  // natural unit of the channel
    Encoding encoding = Encoding::Scale;
    double factor = 1.0;
    host::VarType type = host::VarType::Number;
    Blend blend = Blend::Linear;
    double initial = 0.0;  // natural value before a scenario sets the channel
};

// Every token the host serves, in token order within each group. One
// channel may feed several tokens (the ADF frequency, the three gear legs).
const std::vector<TokenEntry>& tokenTable();

// The entries fed by a channel (empty when there is no such channel).
std::vector<const TokenEntry*> findChannel(std::string_view channel);

// The first entry of a token, or null.
const TokenEntry* findToken(int token);

// The field value for a natural value (not for Text entries).
host::VarValue encodeValue(const TokenEntry& entry, double natural);

// The natural value a module's conversion gives for a raw field (tests, docs).
double decodeValue(const TokenEntry& entry, host::VarValue raw);

}  // namespace simhost
