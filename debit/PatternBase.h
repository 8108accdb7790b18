#pragma once
// The direct-debit tool's pattern line shape; the pattern itself is the shared one.
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLayout.h"

namespace db {

// The direct-debit pattern lines: 36 fields (32 in older lines) numbered from 1; 15 for an item
// beyond the record; the item fields from field 5, starts and columns 4 bytes wide; the
// separated screen pads item labels to 13 bytes; the position check takes every item that has a
// start and no other.
inline constexpr PatternLayout kPatternLayout = {36, 32, 1, 15, 5, 4, 13, true};

using ::CPatternBase;

// Account types in the order of a pattern's customer codes: 1 ordinary, 2 current, 3
// tax-payment reserve, 9 other.
enum PatternAccountCode : int { kOrdinaryCode = 0, kCurrentCode, kTaxReserveCode, kOtherCode };

}  // namespace db
