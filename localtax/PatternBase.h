#pragma once
// The local-tax tool's pattern line shape; the pattern itself is the shared one.
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLayout.h"
#include "localtax/TaxItems.h"

namespace tx {

// Every local-tax pattern is of this kind.
inline constexpr char kKindCode[] = "99";
inline constexpr char kKindName[] = "特別徴収地方税";

// The option of an item-set flag.
constexpr int ItemSetOption(ItemSet set) {
    return CPatternBase::kFirstItemSetOption + static_cast<int>(set);
}

// The options after the item fields, in line order: the item-set flags (ItemSet order) stand
// between the record length and the output codes, and there are no account-type codes.
inline constexpr int kPatternOptions[] = {
    CPatternBase::kZeroCheckOption,  CPatternBase::kBlankCheckOption,
    CPatternBase::kDataFormatOption, CPatternBase::kRecordLengthOption,
    ItemSetOption(kSalarySet),       ItemSetOption(kRetirementSet),
    ItemSetOption(kPaymentSet),      CPatternBase::kOutputLengthOption,
    CPatternBase::kLineBreakOption,  CPatternBase::kTitleRowsOption,
    CPatternBase::kDataRowOption,
};

// The local-tax pattern lines; the separated screen pads item labels to 28 bytes (the longest
// label takes 26); the position check always takes the municipality code and every other item
// that has a start.
inline constexpr PatternLayout kPatternLayout = {
    .fieldCount = 43,
    .legacyFieldCount = 39,
    .firstFieldNumber = 0,
    .overrunResult = 15,
    .firstItemField = 4,
    .positionWidth = 4,
    .itemNameWidth = 28,
    .checksPlacedItemsOnly = false,
    .kindNameWidth = 14,
    .options = kPatternOptions,
};

using ::CPatternBase;
static_assert(kItemSetCount <= CPatternBase::kItemSetCount);

}  // namespace tx
