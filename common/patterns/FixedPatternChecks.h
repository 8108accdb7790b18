#pragma once
// The checks of a fixed-length pattern form before a save that need only the form, for any
// tool's item table: the name, the presence of every start and length, the starts, the lengths
// and the record length, in the screens' order. Each failure names its field as FixedFormField
// numbers it.
#include <span>
#include <string>
#include <vector>

#include "common/base/FormFault.h"
#include "common/items/ItemSpec.h"
#include "common/patterns/FixedPatternBase.h"
#include "common/patterns/PatternBase.h"

// Fields of a fault: the name, the record length, the start and length of item k, the
// account-type text i.
struct FixedFormField {
    enum : int { kNone = 0, kName = 1, kRecordLength = 2 };
    static constexpr int StartField(int k) { return 10 + k; }
    static constexpr int LengthField(int k) { return 30 + k; }
    static constexpr int AccountTypeField(int i) { return 50 + i; }
    // Added to a field: the screen puts the focus on it without marking it in error.
    static constexpr int kUnmarked = 0x1000;
};

// The texts and choices of a fixed-length pattern form that every tool's screen shows: one start
// and length per item of the tool's table, and the texts of the tool's account types.
struct FixedPatternFields {
    explicit FixedPatternFields(size_t itemCount) : start(itemCount), length(itemCount) {}

    std::string name;
    std::string recordLength;
    std::vector<std::string> start;
    std::vector<std::string> length;
    int zeroCheck = 1;   // 1 error, 2 skip
    int blankCheck = 1;  // 1 error, 2 skip
    std::string accountTypes[CPatternBase::kAccountTypeCount];
    int outputLength = 1;  // 1 120, 2 126, 3 128 bytes
    int lineBreak = 1;     // 1 with, 0 without
};

// The form as the checks read it: one start, length and carried flag per item of items, and the
// account-type texts (the first storedAccountTypes of them are stored, and only a stored one can
// be too long).
struct FixedFormText {
    std::span<const ItemSpec> items;
    const std::string& name;
    const std::string& recordLength;
    std::span<const std::string> start;
    std::span<const std::string> length;
    std::span<const bool> carried;
    std::span<const std::string> accountTypes;
    int storedAccountTypes;
};

// The messages of the checks as the tool numbers them, with their words.
struct FixedFormMessages {
    kor::MessageId requiredEmpty;  // the field's name
    kor::MessageId tooLong;        // the field's name and its width
    kor::MessageId quoteOrComma;
    kor::MessageId zeroStart;
    kor::MessageId zeroLength;
    kor::MessageId recordTooLong;  // the record length's name and "4000 byte"
};

// The first failing check, or no fault.
FormFault CheckFixedForm(const FixedFormText& form, const FixedFormMessages& messages);

// Digits a length edit takes: those of the item's record width, its longest length.
int LengthDigitsOf(const ItemSpec& item);

// The shared fields of form into pattern: the identity (kind code, kind name, the fixed-length
// file class, the name), every item's start and length, the record length, the zero and blank
// handling, the output length and the line break, and the title rows and data row that a
// fixed-length pattern always has (1 and 2). The tool adds its own fields.
void StoreFixedFields(const FixedPatternFields& form, const char* kindCode, const char* kindName,
                      CFixedPatternBase& pattern);
// The shared fields of pattern into form (not the account types); an output length code other
// than 1 to 3 leaves the form's.
void LoadFixedFields(const CFixedPatternBase& pattern, FixedPatternFields& form);
// True when the form's pattern differs from reference (or, for none, from what a cleared form
// of kindCode stores: "1" for the zero and blank handling, the output length and the line
// break) in the kind code, the name, one of options (as texts) or the start or length text of
// an item carried[k] marks (every item when carried is empty).
bool FixedFieldsDiffer(const CFixedPatternBase& form, const CFixedPatternBase* reference,
                       const char* kindCode, std::span<const int> options,
                       std::span<const bool> carried = {});
