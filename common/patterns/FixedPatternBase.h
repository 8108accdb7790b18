#pragma once
// A pattern for fixed-length records: each item is cut from the record by its 1-based start
// byte and its length. An item whose start or length is empty is not taken from the input.
#include <string>

#include "common/patterns/PatternBase.h"

class CFixedPatternBase : public CPatternBase {
public:
    CFixedPatternBase(std::span<const ItemSpec> items, const PatternLayout& layout)
        : CPatternBase(items, layout, PatternShape::kFixedLength) {}

    const std::string& StartText(int kind) const { return ItemFields().First(kind); }
    const std::string& LengthText(int kind) const { return ItemFields().Second(kind); }
    int Start(int kind) const { return ItemFields().FirstNumber(kind); }
    int Length(int kind) const { return ItemFields().SecondNumber(kind); }
};
