#include "transfer/CorrectionRules.h"

#include <vector>

#include "transfer/TransferItems.h"

namespace xf {

bool MayEditCell(int col, bool cellYellow, bool rowHasYellowItem) {
    return MayEditItemCell(col, kItemCount, cellYellow, rowHasYellowItem);
}

int CorrectionTextLength(int col) {
    return ItemEditLimit(TransferItems(), col);
}

std::span<const int> UpdateColumnOrder(int transferKind) {
    static const std::vector<int> general = CorrectionColumnOrder(TransferItems());
    static const std::vector<int> salary = CorrectionColumnOrder(
        TransferItems(), [](const ItemSpec& item) { return !item.generalOnly; });
    return transferKind == kKindSalaryBonus ? salary : general;
}

}  // namespace xf
