#pragma once
// The local-tax tool's items as data: the fourteen items of a detail (one municipality line of
// the customer's file) in the one order that the grid, the patterns, the output record and the
// printed lists use, and the six header items of a group (one payer).
#include <cstdint>
#include <span>

#include "common/items/ItemSpec.h"

namespace tx {

// Every item carries a 16-bit valid flag beside its text: 0 in error, anything else valid. The
// reader sets 1, the correction screen 2 for an item a correction made valid; every reader of the
// flag tests it for zero.
using ItemStatus = std::uint16_t;
inline constexpr ItemStatus kStatusError = 0;
inline constexpr ItemStatus kStatusRead = 1;
inline constexpr ItemStatus kStatusCorrected = 2;
constexpr bool IsValid(ItemStatus status) {
    return status != kStatusError;
}

enum TaxItem : int {
    kMunicipalityCode = 0,
    kMunicipalityName,
    kDesignationNumber,
    kChangeMark,
    kSalaryTaxCount,
    kSalaryTaxAmount,
    kRetirementTaxCount,
    kRetirementTaxAmount,
    kPaymentCount,
    kTaxPaid,
    kRetirees,
    kRetirementAllowance,
    kMunicipalRetirementTax,
    kPrefecturalRetirementTax,
};
inline constexpr int kItemCount = 14;
// Items 4-13 are counts and amounts.
inline constexpr int kFirstNumericItem = kSalaryTaxCount;

// What an item may hold.
enum class TaxChars {
    kDigits,     // '0' to '9'
    kHalfWidth,  // digits, letters, half-width katakana and the name signs
    kText,       // any text
    kFlag,       // one of ' ', '0', '1'
};

// The sets of counts and amounts a pattern switches on (its three item-set flags, in order).
enum ItemSet : int {
    kNoItemSet = -1,  // items 0-3, always read
    kSalarySet = 0,   // 給与税件数, 給与税額
    kRetirementSet,   // 退職税件数, 退職税額 and the four 退職明細 items
    kPaymentSet,      // 納入件数, 納税額
};
inline constexpr int kItemSetCount = 3;

struct TaxItemSpec {
    const char* label;  // as the grid titles and the settings screens show it
    int width;          // bytes the detail keeps and the output record takes
    TaxChars chars;
    // How the reader finishes a text that is not empty: right-padded with spaces, or
    // left-padded with '0', to the width.
    bool zeroPadded = false;
    ItemSet set = kNoItemSet;  // the set that puts the item in use
    // The reader removes every ',' (digits grouped by thousands) before the check.
    bool commasRemoved = false;
    // Its heading on the printed lists and the heading's column: a text item prints under its
    // heading on a detail's first line, a count or amount on the second line ends where its
    // heading ends.
    const char* listHeading = label;
    int listColumn = 0;
};

std::span<const TaxItemSpec> TaxItems();
const TaxItemSpec& TaxItemAt(int item);
// The items of a set, in item order.
std::span<const int> ItemsOfSet(ItemSet set);
// The items as the shared pattern classes read them: the length field of a fixed-length
// pattern is as wide as the item; the municipality code is always placed, every other item may
// be left out of a pattern.
std::span<const ItemSpec> PatternItems();
constexpr bool IsNumericItem(int item) {
    return item >= kFirstNumericItem && item < kItemCount;
}

enum HeaderItem : int {
    kConsignorCode = 0,
    kBranchNumber,
    kPaymentDate,
    kPaymentMonth,
    kPayerName,
    kAddress,
};
inline constexpr int kHeaderItemCount = 6;

struct HeaderItemSpec {
    const char* label;
    int width;
};

std::span<const HeaderItemSpec> HeaderItems();

}  // namespace tx
