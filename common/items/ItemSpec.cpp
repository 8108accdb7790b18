#include "common/items/ItemSpec.h"

int FindItem(std::span<const ItemSpec> items, ItemChars chars) {
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].chars == chars) return static_cast<int>(i);
    }
    return -1;
}
