#include "transfer/TransferItems.h"

#include "common/items/ItemTableShorthand.h"

namespace xf {

namespace {

using namespace item_table;

// label, record width, longest text, need, characters, name, may be left out of a pattern,
// general only, zero-pad width, grid column, correction limit, list column, width of the length
// field in a fixed-length pattern line, and where the fixed-length settings screen names an item
// otherwise than by its label: in its messages of a missing field and of a length too long.
// clang-format off
constexpr ItemSpec kItems[kItemCount] = {
    {"金融機関コード", 4, 4, kWithoutName, ItemChars::kDigits, false, false, false, 4, {"金融機関コード", kText, 1400, kLeft},
     4, 12, 4},
    {"金融機関名(ｶﾅ)", 15, 15, kOptional, ItemChars::kKanaWide, true, true, false, 0, {"金融機関名(ｶﾅ)", kText, 1500, kLeft},
     15, 20, 50},
    {"支店コード", 3, 3, kWithoutName, ItemChars::kDigits, false, false, false, 3, {"支店コード", kText, 1000, kLeft},
     3, 39, 4},
    {"支店名(ｶﾅ)", 15, 15, kOptional, ItemChars::kKanaWide, true, true, false, 0, {"支店名(ｶﾅ)", kText, 1500, kLeft},
     15, 46, 50},
    {"科目コード", 20, 0, kRequired, ItemChars::kAccountType, false, false, false, 0, {"科目コード", kText, 1000, kLeft},
     20, 106, 20},
    {"口座番号", 7, 7, kRequired, ItemChars::kDigits, false, false, false, 7, {"口座番号", kText, 1000, kLeft},
     7, 120, 7},
    {"口座名(ｶﾅ)", 30, 30, kRequired, ItemChars::kKanaWide, false, false, false, 0, {"口座名(ｶﾅ)", kText, 2800, kLeft},
     30, 67, 50},
    {"振込金額", 10, 10, kOptional, ItemChars::kAmount, false, false, false, 10, {"振込金額", kText, 1270, kRight},
     10, 131, 10},
    {"振込先コード１", 10, 10, kOptional, ItemChars::kKanaNarrow, false, true, false, 0, {"振込先コード1", kText, 1350, kLeft},
     10, -1, 10, "振込先コード1", nullptr},
    {"振込先コード２", 10, 10, kOptional, ItemChars::kKanaNarrow, false, true, false, 0, {"振込先コード2", kText, 1350, kLeft},
     10, -1, 10, "振込先コード2", nullptr},
    {"ＥＤＩ情報", 20, 20, kOptional, ItemChars::kKanaNarrow, false, true, true, 0, {"EDI情報", kText, 1350, kLeft},
     20, -1, 20, "EDI情報", "EDI情報"},
    {"振込依頼人番号", 10, 10, kOptional, ItemChars::kDigits, false, true, true, 10, {"振込依頼人番号", kText, 1350, kLeft},
     10, -1, 10},
};
// clang-format on

}  // namespace

std::span<const ItemSpec> TransferItems() {
    return kItems;
}

const CItemLayout& TransferItemLayout() {
    static const CItemLayout layout(kItems);
    return layout;
}

}  // namespace xf
