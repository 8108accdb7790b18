#include "localtax/TaxItems.h"

#include <array>

namespace tx {

namespace {

constexpr TaxChars kDigits = TaxChars::kDigits;

constexpr ItemSet kSalary = kSalarySet;
constexpr ItemSet kRetirement = kRetirementSet;
constexpr ItemSet kPayment = kPaymentSet;

// clang-format off
constexpr TaxItemSpec kItems[kItemCount] = {
    {.label = "市区町村コード", .width = 6, .chars = kDigits, .listColumn = 14},
    {.label = "市区町村名", .width = 15, .chars = TaxChars::kHalfWidth, .listColumn = 40},
    {.label = "指定番号", .width = 15, .chars = TaxChars::kText, .listColumn = 68},
    {.label = "異動", .width = 1, .chars = TaxChars::kFlag, .listColumn = 97},
    {.label = "給与税件数", .width = 5, .chars = kDigits, .zeroPadded = true, .set = kSalary,
     .commasRemoved = true, .listColumn = 8},
    {.label = "給与税額", .width = 9, .chars = kDigits, .zeroPadded = true, .set = kSalary,
     .commasRemoved = true, .listColumn = 26},
    {.label = "退職税件数", .width = 5, .chars = kDigits, .zeroPadded = true,
     .set = kRetirement, .commasRemoved = true, .listColumn = 44},
    {.label = "退職税額", .width = 9, .chars = kDigits, .zeroPadded = true,
     .set = kRetirement, .commasRemoved = true, .listColumn = 62},
    {.label = "納入件数", .width = 5, .chars = kDigits, .zeroPadded = true, .set = kPayment,
     .commasRemoved = true, .listColumn = 80},
    {.label = "納税額", .width = 9, .chars = kDigits, .zeroPadded = true, .set = kPayment,
     .commasRemoved = true, .listColumn = 98},
    // A head count: a comma in it is no grouping of digits.
    {.label = "退職明細退職人員", .width = 3, .chars = kDigits, .zeroPadded = true,
     .set = kRetirement, .listHeading = "退職人員", .listColumn = 110},
    {.label = "退職明細退職手当等支払金額", .width = 10, .chars = kDigits,
     .zeroPadded = true, .set = kRetirement, .commasRemoved = true,
     .listHeading = "退職手当等支払金額", .listColumn = 121},
    {.label = "退職明細市区町村民税額", .width = 9, .chars = kDigits, .zeroPadded = true,
     .set = kRetirement, .commasRemoved = true, .listHeading = "市区町村民税額",
     .listColumn = 143},
    {.label = "退職明細都道府県民税額", .width = 9, .chars = kDigits, .zeroPadded = true,
     .set = kRetirement, .commasRemoved = true, .listHeading = "都道府県民税額",
     .listColumn = 161},
};
// clang-format on

constexpr HeaderItemSpec kHeaderItems[kHeaderItemCount] = {
    {.label = "委託者コード", .width = 10}, {.label = "店番", .width = 3},
    {.label = "納入指定日", .width = 6},    {.label = "納入月", .width = 4},
    {.label = "依頼人名", .width = 40},     {.label = "住所", .width = 50},
};

// The fixed-length pattern's length field of an item is as wide as the item.
constexpr std::array<ItemSpec, kItemCount> MakePatternItems() {
    std::array<ItemSpec, kItemCount> specs{};
    for (int k = 0; k < kItemCount; ++k) {
        const bool always = k == kMunicipalityCode;
        specs[static_cast<size_t>(k)] = {
            .label = kItems[k].label,
            .recordWidth = kItems[k].width,
            .need = always ? ItemNeed::kRequired : ItemNeed::kOptional,
            .optionalInFixed = !always,
        };
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
