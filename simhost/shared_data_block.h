#pragma once
// The host's publisher of the block other gauge modules of the aircraft share
// under "KORU_SHARED_DATA". Gauges read and write it; the host writes a field
// only when a scenario sets it, so what a gauge wrote stays until then.
#include <cstdint>
#include <string_view>
#include <vector>

namespace simhost {

enum class FieldKind { Float, Int32, UInt32 };

struct SharedField {
    const char* name;
    int offset;
    FieldKind kind;
    const char* meaning;
};

const std::vector<SharedField>& sharedFields();
const SharedField* findSharedField(std::string_view name);

class SharedDataBlock {
  public:
    static constexpr size_t kSize = 256;  // the named fields end at byte 88

    SharedDataBlock();
    void set(const SharedField& field, double value);
    double get(const SharedField& field) const;
    void* data() { return bytes_; }

  private:
    alignas(8) uint8_t bytes_[kSize];
};

}  // namespace simhost
