#include "localtax/TaxItems.h"

namespace tx {

namespace {

constexpr TaxChars kDigits = TaxChars::kDigits;

// label, width, characters, zero-padded on reading
constexpr TaxItemSpec kItems[kItemCount] = {
    {"市区町村コード", 6, kDigits, false},
    {"市区町村名", 15, TaxChars::kHalfWidth, false},
    {"指定番号", 15, TaxChars::kText, false},
    {"異動", 1, TaxChars::kFlag, false},
    {"給与税件数", 5, kDigits, true},
    {"給与税額", 9, kDigits, true},
    {"退職税件数", 5, kDigits, true},
    {"退職税額", 9, kDigits, true},
    {"納入件数", 5, kDigits, true},
    {"納税額", 9, kDigits, true},
    {"退職明細退職人員", 3, kDigits, true},
    {"退職明細退職手当等支払金額", 10, kDigits, true},
    {"退職明細市区町村民税額", 9, kDigits, true},
    {"退職明細都道府県民税額", 9, kDigits, true},
};

constexpr HeaderItemSpec kHeaderItems[kHeaderItemCount] = {
    {"委託者コード", 10}, {"店番", 3}, {"納入指定日", 6},
    {"納入月", 4},        {"依頼人名", 40}, {"住所", 50},
};

}  // namespace

std::span<const TaxItemSpec> TaxItems() {
    return kItems;
}

const TaxItemSpec& TaxItemAt(int item) {
    return kItems[item];
}

std::span<const HeaderItemSpec> HeaderItems() {
    return kHeaderItems;
}

}  // namespace tx
