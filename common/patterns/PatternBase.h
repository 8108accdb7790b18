#pragma once
// What both kinds of conversion pattern hold, for any tool's item table and pattern layout: the
// identity (the first four fields of a pattern line: kind code, kind name, file class, name),
// two item fields per item (laid out from the item table) and the options after them (the
// layout says which, in which order; by default the twelve up to the data row). A
// field is read and written by its number as the tool numbers it (from the layout's first field
// number). Text fields are zero-terminated CP932 arrays of width + 1; numbers are decimal text,
// an empty text reading as 0.
#include <span>
#include <string>
#include <string_view>

#include "common/items/ItemSpec.h"
#include "common/patterns/PatternItems.h"
#include "common/patterns/PatternLayout.h"

// File classes of a pattern: 1 comma, 2 TAB, 3 fixed length, 4 space.
inline constexpr int kFixedLengthClass = 3;
constexpr bool IsFixedLengthClass(int fileClass) {
    return fileClass == kFixedLengthClass;
}
constexpr bool IsSeparatedClass(int fileClass) {
    return fileClass == 1 || fileClass == 2 || fileClass == 4;
}

class CPatternBase {
public:
    static constexpr int kOptionFields = 12;
    static constexpr int kNameWidth = 74;
    static constexpr int kAccountTypeCount = 4;   // the customer's codes of four account types
    static constexpr int kAccountTypeWidth = 20;  // a customer's text for one account type
    static constexpr int kMaxRecordLength = 4000;
    static constexpr int kMaxKindNameWidth = 14;
    static constexpr int kItemSetCount = 3;  // flags that switch sets of items on

    // The options by their place after the item fields (0 to 11).
    enum Option : int {
        kZeroCheckOption = 0,
        kBlankCheckOption,
        kDataFormatOption,
        kRecordLengthOption,
        kFirstAccountTypeOption,  // followed by the other three account types
        kOutputLengthOption = kFirstAccountTypeOption + kAccountTypeCount,
        kLineBreakOption,
        kTitleRowsOption,
        kDataRowOption,
        // Beyond the default twelve: the item-set flags, for a layout that places them.
        kFirstItemSetOption,
    };

    virtual ~CPatternBase() = default;

    std::span<const ItemSpec> Items() const { return m_itemTable; }
    const PatternLayout& Layout() const { return m_layout; }
    // The item fields, read and written through GetField and SetField.
    const CPatternItemFields& ItemFields() const { return m_items; }
    // The number of the field that holds option (as the layout numbers a line's fields); -1
    // when the layout has no field for it.
    int OptionField(int option) const;

    char kindCode[3] = {};                      // the tool's kind of transfer or collection
    char kindName[kMaxKindNameWidth + 1] = {};  // display text of the kind
    char fileClass[3] = {};                     // "1" comma, "2" TAB, "3" fixed length, "4" space
    char name[kNameWidth + 1] = {};
    char zeroCheck[2] = {};   // "1" error, "2" skip the line
    char blankCheck[2] = {};  // "1" error, "2" skip the line
    char dataFormat[2] = {};
    char recordLength[5] = {};  // input record bytes without the line break
    // The customer's own codes that stand for the tool's four account types, in its order.
    char accountTypeCodes[kAccountTypeCount][kAccountTypeWidth + 1] = {};
    char outputLengthCode[2] = {};  // "1" 120, "2" 126, "3" 128 bytes
    char lineBreakCode[2] = {};     // "1" CR LF after every record, "0" none
    char titleRows[3] = {};
    char dataRow[3] = {};  // 1-based line of the first data line
    // "1" when the set of items is in use (patterns whose layout places them).
    char itemSets[kItemSetCount][2] = {};

    // Field number (as the layout numbers them) of the pattern line, as text; "" for a number
    // outside the line.
    std::string GetField(int number) const;
    // Sets field number, cut to its width without splitting a double-byte character.
    void SetField(int number, std::string_view value);

    int Kind() const { return ToInt(kindCode); }
    int FileClass() const { return ToInt(fileClass); }
    int RecordLength() const { return ToInt(recordLength); }
    int ZeroCheck() const { return ToInt(zeroCheck); }
    int BlankCheck() const { return ToInt(blankCheck); }
    int OutputLengthCode() const { return ToInt(outputLengthCode); }
    int LineBreak() const { return ToInt(lineBreakCode); }
    int TitleRows() const { return ToInt(titleRows); }
    int DataRow() const { return ToInt(dataRow); }
    bool UsesItemSet(int set) const { return std::string_view(itemSets[set]) == "1"; }

    // Leading decimal digits of a text (blanks and a sign before them allowed); 0 when none.
    static int ToInt(const char* text);

protected:
    CPatternBase(std::span<const ItemSpec> items, const PatternLayout& layout, PatternShape shape);

private:
    struct FieldRef {
        char* text;
        int width;
    };
    // The text array of an identity or option field; text is null for any other field.
    FieldRef Ref(int number);
    // The number of the first field after the item fields.
    int FirstOptionField() const;

    std::span<const ItemSpec> m_itemTable;
    PatternLayout m_layout;
    CPatternItemFields m_items;
};
