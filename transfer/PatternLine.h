#pragma once
// One line of the transfer tool's pattern master: the 40 fields of a pattern (or the 36 of older
// lines, without output options, title rows and data row), parsed and formatted by the shared
// pattern line; and the position check of fixed-length patterns.
#include <string_view>

#include "common/patterns/PatternLine.h"
#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"

namespace xf {

// True when the stored line has 40 or 36 fields.
bool IsPatternLine(std::string_view line);

using ::CheckFixedPositions;
using ::FormatPatternLine;
using ::ParsePatternLine;
using ::PatternEntryOf;

}  // namespace xf
