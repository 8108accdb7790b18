#include "debit/DebitItems.h"

#include "common/items/ItemTableShorthand.h"

namespace db {

namespace {

using namespace item_table;
constexpr ItemChars kDigits = ItemChars::kDigits;
constexpr ItemChars kTextChars = ItemChars::kNotForbidden;

// label, record width, longest text, need, characters, name, may be left out of a pattern,
// general only, zero-pad width, grid column, correction limit, list column, width of the length
// field in a fixed-length pattern line, the two names of the fixed-length settings screen's
// messages (the label here), and the only value the item may take.
// clang-format off
constexpr ItemSpec kItems[kItemCount] = {
    {"引落銀行番号", 4, 4, kWithoutName, kDigits, false, false, false, 4, {"引落銀行番号", kText, 1400, kLeft},
     4, 12, 4, nullptr, nullptr, kOwnBankCode},
    {"引落銀行名", 15, 15, kOptional, kTextChars, true, true, false, 0, {"引落銀行名", kText, 1500, kLeft},
     15, 20, 50},
    {"引落支店番号", 3, 3, kWithoutName, kDigits, false, false, false, 3, {"引落支店番号", kText, 1200, kLeft},
     3, 39, 4},
    {"引落支店名", 15, 15, kOptional, kTextChars, true, true, false, 0, {"引落支店名", kText, 1500, kLeft},
     15, 46, 50},
    {"科目コード", 20, 0, kRequired, ItemChars::kAccountType, false, false, false, 0, {"科目コード", kText, 1000, kLeft},
     20, 100, 20},
    {"口座番号", 7, 7, kRequired, kDigits, false, false, false, 7, {"口座番号", kText, 1000, kLeft},
     7, 110, 7},
    {"口座名(ｶﾅ)", 30, 30, kRequired, kTextChars, false, false, false, 0, {"口座名(ｶﾅ)", kText, 2800, kLeft},
     30, 67, 50},
    {"引落金額", 10, 10, kOptional, ItemChars::kAmount, false, false, false, 10, {"引落金額", kText, 1270, kRight},
     10, 121, 10},
    {"新規コード", 1, 1, kOptional, kTextChars, false, true, false, 0, {"新規コード", kText, 1000, kLeft},
     1, 162, 1},
    {"顧客番号", 20, 20, kOptional, kTextChars, false, true, false, 0, {"顧客番号", kText, 2700, kLeft},
     20, 138, 20},
};
// clang-format on

}  // namespace

std::span<const ItemSpec> DebitItems() {
    return kItems;
}

const CItemLayout& DebitItemLayout() {
    static const CItemLayout layout(kItems);
    return layout;
}

}  // namespace db
