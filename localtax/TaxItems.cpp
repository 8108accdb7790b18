#include "localtax/TaxItems.h"

#include <array>

namespace tx {

namespace {

constexpr TaxChars kDigits = TaxChars::kDigits;

constexpr ItemSet kSalary = kSalarySet;
constexpr ItemSet kRetirement = kRetirementSet;
constexpr ItemSet kPayment = kPaymentSet;

// label, width, characters, zero-padded on reading, item set, commas removed on reading
constexpr TaxItemSpec kItems[kItemCount] = {
    {"市区町村コード", 6, kDigits, false},
    {"市区町村名", 15, TaxChars::kHalfWidth, false},
    {"指定番号", 15, TaxChars::kText, false},
    {"異動", 1, TaxChars::kFlag, false},
    {"給与税件数", 5, kDigits, true, kSalary, true},
    {"給与税額", 9, kDigits, true, kSalary, true},
    {"退職税件数", 5, kDigits, true, kRetirement, true},
    {"退職税額", 9, kDigits, true, kRetirement, true},
    {"納入件数", 5, kDigits, true, kPayment, true},
    {"納税額", 9, kDigits, true, kPayment, true},
    // A head count: a comma in it is no grouping of digits.
    {"退職明細退職人員", 3, kDigits, true, kRetirement, false},
    {"退職明細退職手当等支払金額", 10, kDigits, true, kRetirement, true},
    {"退職明細市区町村民税額", 9, kDigits, true, kRetirement, true},
    {"退職明細都道府県民税額", 9, kDigits, true, kRetirement, true},
};

constexpr HeaderItemSpec kHeaderItems[kHeaderItemCount] = {
    {"委託者コード", 10}, {"店番", 3},      {"納入指定日", 6},
    {"納入月", 4},        {"依頼人名", 40}, {"住所", 50},
};

constexpr std::array<ItemSpec, kItemCount> MakePatternItems() {
    std::array<ItemSpec, kItemCount> specs{};
    for (int k = 0; k < kItemCount; ++k) {
        ItemSpec& spec = specs[static_cast<size_t>(k)];
        spec.label = kItems[k].label;
        spec.recordWidth = kItems[k].width;
        spec.maxLength = kItems[k].width;
        spec.need = k == kMunicipalityCode ? ItemNeed::kRequired : ItemNeed::kOptional;
        spec.optionalInFixed = k != kMunicipalityCode;
        spec.patternLengthWidth = kItems[k].width;
    }
    return specs;
}

constexpr std::array<ItemSpec, kItemCount> kPatternItems = MakePatternItems();

struct SetItemList {
    std::array<int, kItemCount> items{};
    size_t count = 0;
};

constexpr SetItemList MakeSetItems(ItemSet set) {
    SetItemList list;
    for (int k = 0; k < kItemCount; ++k) {
        if (kItems[k].set == set) list.items[list.count++] = k;
    }
    return list;
}

constexpr SetItemList kSetItems[kItemSetCount] = {MakeSetItems(kSalary), MakeSetItems(kRetirement),
                                                  MakeSetItems(kPayment)};

}  // namespace

std::span<const ItemSpec> PatternItems() {
    return kPatternItems;
}

std::span<const TaxItemSpec> TaxItems() {
    return kItems;
}

const TaxItemSpec& TaxItemAt(int item) {
    return kItems[item];
}

std::span<const int> ItemsOfSet(ItemSet set) {
    const SetItemList& list = kSetItems[set];
    return {list.items.data(), list.count};
}

std::span<const HeaderItemSpec> HeaderItems() {
    return kHeaderItems;
}

}  // namespace tx
