#include "common/items/CorrectionRules.h"

bool MayEditItemCell(int col, int itemCount, bool cellYellow, bool rowHasYellowItem) {
    if (col == kItemGridDeleteCol) return rowHasYellowItem;
    return cellYellow && col >= kItemGridFirstItemCol && col < kItemGridFirstItemCol + itemCount;
}

int ItemEditLimit(std::span<const ItemSpec> items, int col) {
    const int kind = col - kItemGridFirstItemCol;
    return kind >= 0 && kind < static_cast<int>(items.size())
               ? items[static_cast<size_t>(kind)].editLimit
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

std::vector<int> CorrectionColumnOrder(std::span<const ItemSpec> items,
                                       const std::function<bool(const ItemSpec&)>& visited) {
    std::vector<int> order{kItemGridDeleteCol};
    for (int pass = 0; pass < 2; ++pass) {
        for (size_t i = 0; i < items.size(); ++i) {
            if (items[i].name != (pass == 0) || (visited && !visited(items[i]))) continue;
            order.push_back(kItemGridFirstItemCol + static_cast<int>(i));
        }
    }
    return order;
}

void ApplyCorrectionCells(CItemRechecks& checks, CItemRecord& record, const CorrectionCells& row,
                          std::span<const int> order) {
    const std::span<const ItemSpec> items = record.Items();
    bool namesMissing = false;
    for (const int col : order) {
        if (col == kItemGridDeleteCol) {
            record.deleteFlag = row.deleteChecked ? 1 : 0;
            if (row.deleteChecked) return;
            continue;
        }
        const int kind = col - kItemGridFirstItemCol;
        if (!record.HasItem(kind) || static_cast<size_t>(kind) >= row.texts.size()) continue;
        const ItemSpec& item = items[static_cast<size_t>(kind)];
        std::string text = row.texts[static_cast<size_t>(kind)];
        if (item.chars == ItemChars::kAmount) text = RemoveCommas(text);
        const int stored = record.Result(kind);
        if ((stored & kResultUntouched) || !HasErrorBits(stored)) {
            if (item.name && text.empty()) namesMissing = true;
            continue;
        }
        const int result = checks.CheckItem(text, kind, namesMissing);
        if (item.name && (text.empty() || result == kItemError)) namesMissing = true;
        if (item.chars == ItemChars::kAccountType && result == kItemValid)
            text = checks.MapAccountType(text);
        record.Store(kind, text, result != kItemValid ? kItemError : kItemValid);
    }
}
