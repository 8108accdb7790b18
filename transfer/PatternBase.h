#pragma once
// The transfer tool's pattern line shape; the pattern itself is the shared one.
#include "common/patterns/PatternBase.h"
#include "common/patterns/PatternLayout.h"

namespace xf {

// The transfer tool's pattern lines: 40 fields (36 in older lines) numbered from 0; 17 for an
// item beyond the record; the item fields from field 4, starts and columns 4 bytes wide; the
// separated screen pads item labels to 16 bytes.
inline constexpr PatternLayout kPatternLayout = {40, 36, 0, 17, 4, 4, 16};

using ::CPatternBase;
using ::IsFixedLengthClass;
using ::kFixedLengthClass;

// Account types in the order of a pattern's customer codes: 1, 2, 4, 9.
enum PatternAccountCode : int { kOrdinaryCode = 0, kCheckingCode, kSavingsCode, kOtherCode };

}  // namespace xf
