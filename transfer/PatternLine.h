#pragma once
// One line of the transfer tool's pattern master: the 40 fields of a pattern (or the 36 of older
// lines, without output options, title rows and data row), parsed and formatted by the shared
// pattern line; and the position check of fixed-length patterns.
#include <string_view>

#include "common/patterns/PatternLine.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"

namespace xf {

inline constexpr int kPatternLineFields = kPatternLayout.fieldCount;
inline constexpr int kOldPatternLineFields = kPatternLayout.legacyFieldCount;

// True when the stored line has 40 or 36 fields.
bool IsPatternLine(std::string_view line);

using ::CheckFixedPositions;
using ::FormatPatternLine;
using ::ParsePatternLine;
using ::PatternEntryOf;

// Position check results (besides 1 to 12, the later of two overlapping items).
inline constexpr int kPositionsConsistent = 0;
inline constexpr int kItemBeyondRecord = kPatternLayout.overrunResult;

}  // namespace xf
