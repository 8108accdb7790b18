#pragma once
// The direct-debit tool's pattern line shape; the pattern itself is the shared one.
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLayout.h"

namespace db {

// The direct-debit pattern lines; the position check takes every item that has a start and no
// other.
inline constexpr PatternLayout kPatternLayout = {
    .fieldCount = 36,
    .legacyFieldCount = 32,
    .firstFieldNumber = 1,
    .overrunResult = 15,
    .firstItemField = 5,
    .positionWidth = 4,
    .itemNameWidth = 13,
    .checksPlacedItemsOnly = true,
};

using ::CPatternBase;

// Account types in the order of a pattern's customer codes: 1 ordinary, 2 current, 3
// tax-payment reserve, 9 other.
enum PatternAccountCode : int { kOrdinaryCode = 0, kCurrentCode, kTaxReserveCode, kOtherCode };

}  // namespace db
