#include "common/items/RecordOrder.h"

bool RecordKeyLess(const CItemRecord& a, const CItemRecord& b, int order,
                   std::span<const int> keyItems) {
    if (order == kOrderSerial) return a.serial < b.serial;
    if (order < 1 || static_cast<size_t>(order) > keyItems.size()) return false;
    return ItemTextLess(a, b, keyItems[static_cast<size_t>(order - 1)]);
}
