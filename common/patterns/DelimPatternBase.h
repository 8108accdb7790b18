#pragma once
// A pattern for lines separated by comma, TAB or space: each item is taken by its column
// (counted from 0). The item text is what the settings screen showed for that column; it is
// stored and written back, never used for reading.
#include <string>

#include "common/patterns/PatternBase.h"

class CDelimPatternBase : public CPatternBase {
public:
    CDelimPatternBase(std::span<const ItemSpec> items, const PatternLayout& layout)
        : CPatternBase(items, layout, PatternShape::kSeparated) {}

    // Empty: the item is not taken.
    const std::string& ColumnText(int kind) const { return ItemFields().First(kind); }
    const std::string& Text(int kind) const { return ItemFields().Second(kind); }
    bool HasColumn(int kind) const { return !ColumnText(kind).empty(); }
    int ColumnOf(int kind) const { return ItemFields().FirstNumber(kind); }

    // The separator of the file class: "," for 1, TAB for 2, " " for 4; empty otherwise.
    const char* Separator() const;
};
