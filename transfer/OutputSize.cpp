#include "transfer/OutputSize.h"

namespace xf {

int OutputSlotSize(int lengthCode, int lineBreak) {
    int slot = 130;
    if (lengthCode == 1) slot = 122;
    if (lengthCode == 2) slot = 128;
    return lineBreak == 0 ? slot - 2 : slot;
}

std::uint64_t EstimateOutputSize(int lengthCode, int lineBreak, int records) {
    const std::uint64_t count = records > 0 ? static_cast<std::uint64_t>(records) : 0;
    return static_cast<std::uint64_t>(OutputSlotSize(lengthCode, lineBreak)) * (count + 3);
}

bool FitsInFreeSpace(std::uint64_t size, std::uint64_t freeBytes) {
    // size × 1.2 <= free, in whole numbers.
    return size * 6 <= freeBytes * 5;
}

}  // namespace xf
