#include "transfer/CorrectionRules.h"

#include <vector>

#include "transfer/GridHelper.h"

namespace xf {

namespace {

// The delete box, the name items (they decide whether empty codes are errors), then the other
// items in item order; the general-only items only when general is set.
std::vector<int> ColumnOrder(bool general) {
    const std::span<const ItemSpec> items = TransferItems();
    std::vector<int> order{CGridHelper::kColDelete};
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].name != (pass == 0) || (items[i].generalOnly && !general)) continue;
            order.push_back(CGridHelper::kFirstItemCol + static_cast<int>(i));
        }
    }
    return order;
}

}  // namespace

bool MayEditCell(int col, bool cellYellow, bool rowHasYellowItem) {
    if (col == CGridHelper::kColDelete) return rowHasYellowItem;
    return cellYellow && col >= CGridHelper::kFirstItemCol && col < CGridHelper::kColumnCount;
}

int CorrectionTextLength(int col) {
    const int kind = col - CGridHelper::kFirstItemCol;
    return kind >= 0 && kind < kItemCount ? TransferItems()[static_cast<size_t>(kind)].editLimit
                                          : 0;
}

std::string RemoveCommas(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != ',') out += c;
    }
    return out;
}

std::span<const int> UpdateColumnOrder(int transferKind) {
    static const std::vector<int> general = ColumnOrder(true);
    static const std::vector<int> salary = ColumnOrder(false);
    return transferKind == kKindSalaryBonus ? salary : general;
}

}  // namespace xf
