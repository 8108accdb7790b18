#include "transfer/TransferItems.h"

#include "transfer/TransferItemTable.h"

namespace xf {

std::span<const ItemSpec> TransferItems() {
    return kItemTable;
}

const CItemLayout& TransferItemLayout() {
    static const CItemLayout layout(kItemTable);
    return layout;
}

}  // namespace xf
