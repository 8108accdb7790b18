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

// The local-tax pattern lines: 43 fields (39 in older lines) numbered from 0; 15 for an item
// beyond the record; the item fields from field 4, starts and columns 4 bytes wide; the
// separated screen pads item labels to 28 bytes (the longest label takes 26); the position
// check always takes the municipality code and every other item that has a start; a 14-byte
// kind name.
inline constexpr PatternLayout kPatternLayout = {43, 39, 0,     15, 4,
                                                 4,  28, false, 14, kPatternOptions};

using ::CPatternBase;
static_assert(kItemSetCount <= CPatternBase::kItemSetCount);

}  // namespace tx
