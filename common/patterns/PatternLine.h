#pragma once
// One line of a pattern master, for any tool's pattern layout: the identity every pattern line
// starts with (kind code, kind name, file class, name), the parse of a line into a pattern shape
// and its formatting back, and the position check of fixed-length patterns.
#include <optional>
#include <string>
#include <string_view>

#include "common/patterns/DelimPatternBase.h"
#include "common/patterns/FixedPatternBase.h"
#include "common/patterns/PatternEntry.h"

// The list entry of a stored line (kind, file class and name from its first, third and fourth
// fields) at index.
CPatternEntry PatternEntryOf(std::string_view line, int index);

// Fill pattern from a stored line of the pattern's layout. A line written before the output
// options existed (the output record-length code and the line-break code both empty) gets
// 120-byte records with line breaks and the title rows and data row of its shape. False, and
// pattern unchanged, when the line's file class is not the pattern's shape (3 for fixed length,
// anything else for separated) or when its output record-length code is not 1 to 3 or its
// line-break code not 0 or 1.
bool ParsePatternLine(std::string_view line, CFixedPatternBase& pattern);
bool ParsePatternLine(std::string_view line, CDelimPatternBase& pattern);

// The stored line of a pattern, every field of its layout; none when a field holds a character
// that a stored line cannot carry (double quote, CR, LF).
std::optional<std::string> FormatPatternLine(const CPatternBase& pattern);

// 0 when every item lies within the record length and no two items share a byte; the layout's
// overrun result when an item ends beyond the record (item = its number from 1); otherwise the
// number from 1 of the later of two overlapping items (also in item). Items the position check
// leaves out (see CPatternItemFields::Positions) are not checked.
int CheckFixedPositions(const CFixedPatternBase& pattern, int* item);
