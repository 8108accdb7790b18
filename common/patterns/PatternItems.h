#pragma once
// The item fields of a conversion pattern, two per item of the tool's table in item order: the
// start byte (from 1) and the length of a fixed-length pattern, or the column (from 0) and the
// sample text shown for it of a separated pattern. They are kept as the stored texts and read
// and written by field number through the tool's pattern layout.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/items/ItemSpec.h"
#include "common/patterns/PatternLayout.h"

enum class PatternShape {
    kFixedLength,  // start and length; the length field is the item's patternLengthWidth wide
    kSeparated,    // column and sample text; the text has no width
};

class CPatternItemFields {
public:
    CPatternItemFields(std::span<const ItemSpec> items, const PatternLayout& layout,
                       PatternShape shape);

    int Count() const { return static_cast<int>(m_texts.size()); }

    // True when the field of that number (as the layout numbers a line's fields) is an item
    // field; Get gives "" and Set does nothing for any other.
    bool IsItemField(int fieldNumber) const;
    std::string Get(int fieldNumber) const;
    // Cut to the field's width without splitting a double-byte character.
    void Set(int fieldNumber, std::string_view value);

    // The item fields of a stored line's fields (all of them, first field first), and back.
    void Read(std::span<const std::string> lineFields);
    void Write(std::span<std::string> lineFields) const;

    // Item k's first field (start or column) and its second (length or sample text).
    const std::string& First(int k) const { return m_texts[static_cast<size_t>(k)].first; }
    const std::string& Second(int k) const { return m_texts[static_cast<size_t>(k)].second; }
    // The first field as a number (leading decimal digits; an empty text reads as 0).
    int FirstNumber(int k) const;
    int SecondNumber(int k) const;

    // Every item's byte range for the position check: an item that may be left out (or any item,
    // when the layout checks placed items only) and has no start is not checked.
    std::vector<ItemPosition> Positions() const;
    // The position check of a fixed-length pattern over a record of recordLength bytes.
    int CheckPositions(int recordLength, int* item) const;

private:
    struct Texts {
        std::string first;
        std::string second;
    };
    // The item and the half (0 first, 1 second) of an item field; false for another field.
    bool Locate(int fieldNumber, int* k, int* half) const;
    int Width(int k, int half) const;

    std::span<const ItemSpec> m_items;
    PatternLayout m_layout;
    PatternShape m_shape;
    std::vector<Texts> m_texts;
};

// An item's line in a separated-pattern settings screen's item list, before its assignment: its
// label padded with blanks to the layout's item-name width, then "(必須) ：" or, for an item a
// pattern may leave out, "(任意) ：".
std::string PatternItemListText(const ItemSpec& item, const PatternLayout& layout);
