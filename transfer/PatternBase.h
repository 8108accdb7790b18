#pragma once
// The transfer tool's pattern line shape; the pattern itself is the shared one.
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLayout.h"

namespace xf {

// The transfer tool's pattern lines.
inline constexpr PatternLayout kPatternLayout = {
    .fieldCount = 40,
    .legacyFieldCount = 36,
    .firstFieldNumber = 0,
    .overrunResult = 17,
    .firstItemField = 4,
    .positionWidth = 4,
    .itemNameWidth = 16,
};

using ::CPatternBase;
using ::IsFixedLengthClass;
using ::kFixedLengthClass;

// Account types in the order of a pattern's customer codes: 1, 2, 4, 9.
enum PatternAccountCode : int { kOrdinaryCode = 0, kCheckingCode, kSavingsCode, kOtherCode };

}  // namespace xf
