#pragma once
// The shape of a tool's pattern master lines as data: how many fields a line has now and had
// before the output options existed, the number of its first field, the result of the
// position check for an item that ends beyond the record, and where and how wide the item
// fields are (two per item, in item order: start and length, or column and sample text). The checks
// of a fixed-length pattern's item positions are the same for every tool.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/items/ItemSpec.h"

struct PatternLayout {
    int fieldCount;
    int legacyFieldCount;
    int firstFieldNumber;  // the number by which the tool names a line's first field (0 or 1)
    int overrunResult;     // the position check's result for an item beyond the record
    int firstItemField;    // the number of the first item's first field (its start or column)
    int positionWidth;     // bytes of a start field and of a column field
    int itemNameWidth;     // bytes to which the separated screen pads an item's label
    // True: the position check leaves out every item without a start; false: only the items a
    // pattern may leave out (the others are checked from start 0).
    bool checksPlacedItemsOnly = false;
    int kindNameWidth = 8;  // bytes of the kind name (the second field)
    // The options (CPatternBase::Option) in the order of their fields after the item fields;
    // empty: the twelve options in the order of their numbers.
    std::span<const int> options = {};

    // Position in a line's fields of the field of that number.
    int Index(int fieldNumber) const { return fieldNumber - firstFieldNumber; }
};

// True when the stored line has the field count or the legacy count.
bool IsPatternLine(std::string_view line, const PatternLayout& layout);
// The fields of a stored line, always fieldCount (the missing ones of an older line empty).
std::vector<std::string> PatternFields(std::string_view line, const PatternLayout& layout);

// One item's position in a fixed-length record: start from 1 and length.
struct ItemPosition {
    bool checked;  // false: the item has no position to check
    int start;
    int length;
};

// 0 when every checked item lies within the record and no two share a byte; the layout's
// overrun result when an item ends beyond the record (item = its number from 1); otherwise the
// number (from 1) of the later of two overlapping items (also in item).
int CheckItemPositions(std::span<const ItemPosition> positions, int recordLength,
                       const PatternLayout& layout, int* item);
