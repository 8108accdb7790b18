#include "debit/DebitItems.h"

#include "debit/DebitItemTable.h"

namespace db {

std::span<const ItemSpec> DebitItems() {
    return kItemTable;
}

const CItemLayout& DebitItemLayout() {
    static const CItemLayout layout(kItemTable);
    return layout;
}

}  // namespace db
