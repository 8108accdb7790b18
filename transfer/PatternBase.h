#pragma once
// What both kinds of conversion pattern hold: the identity (fields 0-3 of a pattern line), the
// item fields of the twelve items (4-27, laid out from the item table) and the options (fields
// 28-39). Text fields are zero-terminated CP932 arrays of width + 1; numbers are decimal text,
// an empty text reading as 0.
#include <string>
#include <string_view>

#include "common/PatternItems.h"
#include "common/PatternLayout.h"

namespace xf {

// The transfer tool's pattern lines: 40 fields (36 in older lines) numbered from 0; 17 for an
// item beyond the record; the item fields from field 4, starts and columns 4 bytes wide; the
// separated screen pads item labels to 16 bytes.
inline constexpr PatternLayout kPatternLayout = {40, 36, 0, 17, 4, 4, 16};

// File classes of a pattern: 1 comma, 2 TAB, 3 fixed length, 4 space.
inline constexpr int kFixedLengthClass = 3;
constexpr bool IsFixedLengthClass(int fileClass) {
    return fileClass == kFixedLengthClass;
}

class CPatternBase {
public:
    static constexpr int kFieldCount = 40;
    static constexpr int kNameWidth = 74;
    static constexpr int kAccountTypeWidth = 20;  // a customer's text for one account type
    static constexpr int kMaxRecordLength = 4000;

    virtual ~CPatternBase() = default;

    // The item fields, read and written through GetField and SetField.
    const CPatternItemFields& ItemFields() const { return m_items; }

    char kindCode[3] = {};   // "01" general, "02" salary/bonus
    char kindName[9] = {};   // display text of the kind
    char fileClass[3] = {};  // "1" comma, "2" TAB, "3" fixed length, "4" space
    char name[kNameWidth + 1] = {};
    char zeroCheck[2] = {};   // "1" error, "2" skip the line
    char blankCheck[2] = {};  // "1" error, "2" skip the line
    char dataFormat[2] = {};
    char recordLength[5] = {};      // input record bytes without the line break
    char ordinaryCode[21] = {};     // the customer's code for account type 1
    char checkingCode[21] = {};     // ... for type 2
    char savingsCode[21] = {};      // ... for type 4
    char otherCode[21] = {};        // ... for type 9
    char outputLengthCode[2] = {};  // "1" 120, "2" 126, "3" 128 bytes
    char lineBreakCode[2] = {};     // "1" CR LF after every record
    char titleRows[3] = {};
    char dataRow[3] = {};  // 1-based line of the first data line

    // Field i (0-39) of the pattern line, as text.
    std::string GetField(int i) const;
    // Sets field i, cut to its width without splitting a double-byte character.
    void SetField(int i, std::string_view value);

    int Kind() const { return ToInt(kindCode); }
    int FileClass() const { return ToInt(fileClass); }
    int RecordLength() const { return ToInt(recordLength); }
    int ZeroCheck() const { return ToInt(zeroCheck); }
    int BlankCheck() const { return ToInt(blankCheck); }
    int OutputLengthCode() const { return ToInt(outputLengthCode); }
    int LineBreak() const { return ToInt(lineBreakCode); }
    int TitleRows() const { return ToInt(titleRows); }
    int DataRow() const { return ToInt(dataRow); }

    // Leading decimal digits of a text (blanks and a sign before them allowed); 0 when none.
    static int ToInt(const char* text);

protected:
    explicit CPatternBase(PatternShape shape);

private:
    struct FieldRef {
        char* text;
        int width;
    };
    // The text array of a field outside 4-27; text is null for an item field.
    FieldRef Ref(int i);

    CPatternItemFields m_items;
};

}  // namespace xf
