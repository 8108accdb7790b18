#pragma once
// One line of the pattern master: the 40 fields of a pattern (or the 36 of older lines,
// without output options, title rows and data row), parsed into a pattern shape and formatted
// back; and the position check of fixed-length patterns.
#include <optional>
#include <string>
#include <string_view>

#include "common/PatternEntry.h"
#include "common/PatternLayout.h"

#include "transfer/DelimPattern.h"
#include "transfer/FixedPattern.h"

namespace xf {

inline constexpr int kPatternLineFields = kPatternLayout.fieldCount;
inline constexpr int kOldPatternLineFields = kPatternLayout.legacyFieldCount;

// True when the stored line has 40 or 36 fields.
bool IsPatternLine(std::string_view line);
// The list entry of a stored line (kind, file class, name) at index.
CPatternEntry PatternEntryOf(std::string_view line, int index);

// Fill pattern from a stored line. False, and pattern unchanged, when the line's file class is
// not the pattern's shape (3 for fixed length, anything else for separated).
bool ParsePatternLine(std::string_view line, CFixedPattern& pattern);
bool ParsePatternLine(std::string_view line, CDelimPattern& pattern);

// The 40-field stored line of a pattern; none when a field holds a character that a stored
// line cannot carry (double quote, CR, LF).
std::optional<std::string> FormatPatternLine(const CPatternBase& pattern);

// Position check results (besides 1 to 12, the later of two overlapping items).
inline constexpr int kPositionsConsistent = 0;
inline constexpr int kItemBeyondRecord = kPatternLayout.overrunResult;
// 0 when every item lies within the record length and no two items share a byte; 17 when an
// item ends beyond the record (item = its number, 1 to 12); otherwise the number of the later of
// two overlapping items (also in item). Optional items without a start are not checked.
int CheckFixedPositions(const CFixedPattern& pattern, int* item);

}  // namespace xf
