#pragma once
// The separated pattern screens' form, for any tool's item table and pattern layout: the fields
// of a sample line as the screens list them, the checks of a save that need only the form (in
// the screens' order), and the mapping between the form and a separated pattern. A tool adds
// its kind of pattern (DelimPatternKind) and its item table.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/base/FormFault.h"
#include "common/items/ItemSpec.h"
#include "common/patterns/DelimPatternBase.h"
#include "common/patterns/PatternLayout.h"

struct DelimPatternFormBase {
    // Fields of a fault: the name, the data-row list, item k of the item list, the
    // account-type text i (in the order of the pattern's four customer codes).
    enum Field { kNone = 0, kName = 1, kDataRow = 2 };
    static constexpr int ItemField(int k) { return 10 + k; }
    static constexpr int AccountTypeField(int i) { return 50 + i; }

    struct Item {
        int column = -1;   // the assigned field of the customer line (from 0), -1 for none
        std::string text;  // the source line shown for that field
    };

    explicit DelimPatternFormBase(size_t itemCount) : items(itemCount) {}

    int separator = 1;  // file class: 1 comma, 2 TAB, 4 blank, 0 none chosen
    std::string name;
    int titlePosition = 1;  // position in the title-row list: the number of title rows
    int dataPosition = 1;   // position in the data-row list: the data row minus 1
    int zeroCheck = 1;      // 1 error, 2 skip, 0 none chosen
    int blankCheck = 1;
    int outputLength = 1;  // 1 120, 2 126, 3 128 bytes, 0 none chosen
    int lineBreak = 1;     // 1 with, 0 without, -1 none chosen
    std::string accountTypes[CPatternBase::kAccountTypeCount];
    std::vector<Item> items;  // one per item of the tool's table, in item order
    unsigned itemSets = 0;    // the item sets in use (bit i: set i; see DelimItemSet)
};

// A set of items that a pattern may leave out together: once one of them has a column, every
// item of the set must have one (the set is in use). A set may also be in use while another
// one is: requiredWith holds bit i for set i.
struct DelimItemSet {
    std::span<const int> items;
    unsigned requiredWith = 0;
};

// The sets in use for the columns of the form's items: bit i for set i.
unsigned ItemSetsInUse(const DelimPatternFormBase& form, std::span<const DelimItemSet> sets);
// True when item k must have a column: the item may never be left out, or its set is in use.
bool IsItemRequired(int k, std::span<const ItemSpec> items, std::span<const DelimItemSet> sets,
                    unsigned inUse);

// The messages of the form's checks; each tool numbers them its own way. A data row that does
// not come after the title rows has its message in DelimFormRules.
struct DelimFormMessages {
    kor::MessageId noName;       // word "変換パターン"
    kor::MessageId nameTooLong;  // words "変換パターン名" and the width
    kor::MessageId quoteOrComma;
    kor::MessageId itemUnassigned;  // word: the item's label
    kor::MessageId textTooLong;     // an account-type text; words "変換前科目" and the width
    // A set in use while none of the sets that make it required is (none: no such check),
    // with its word; the field is the first item of the first of those sets.
    std::optional<kor::MessageId> setAlone;
    const char* setAloneWord;
};

// What the checks of a save need besides the form: the tool's items and item sets, the message
// of a data row that does not come after the title rows and the other messages.
struct DelimFormRules {
    std::span<const ItemSpec> items;
    std::span<const DelimItemSet> sets;
    kor::MessageId rowsMessage;
    DelimFormMessages messages;
};

// The kind of transfer or collection a pattern is stored with.
struct DelimPatternKind {
    const char* code;  // the pattern's kind code
    const char* name;  // its kind name
    // The pattern carries the items that only general transfers carry (ItemSpec::generalOnly);
    // the others are stored empty and not compared.
    bool carriesGeneralOnly;
    // A cleared form has this kind: another one makes a form without a stored pattern modified.
    bool cleared;
};

// The line of item in the item list: its label padded as the layout says and whether it may be
// left out, then the source line assigned to it or "未定義".
std::string FormatDelimItemEntry(const ItemSpec& item, const PatternLayout& layout,
                                 const DelimPatternFormBase::Item& assigned);
// The same with the mark of an item that is required (or not) for the time being.
std::string FormatDelimItemEntry(const ItemSpec& item, const PatternLayout& layout,
                                 const DelimPatternFormBase::Item& assigned, bool required);

// The lines of the source list for a sample line of a file of class separator: "[%02d]" of the
// field number from 1, then the field's text. The line is split as the reader splits a
// customer line (a quoted field keeps its separators); runs of double quotes at either end of a
// field go, and so do quotes and line breaks within it, which a pattern line cannot carry.
std::vector<std::string> SampleSourceLines(std::string_view line, int separator);

// The line of the sample file to read: the last title line, or the first data line when there
// is no title line.
int SampleLineNumber(const DelimPatternFormBase& form);

// The name's checks that come before any other: present, and short enough to be stored whole.
FormFault CheckDelimPatternName(const std::string& name, const DelimFormMessages& messages);

// The first failing check of the name, the required items of items (those a pattern may not
// leave out), the account-type texts and the rows, in the screens' order; no fault when all
// pass.
FormFault CheckDelimPatternForm(const DelimPatternFormBase& form, std::span<const ItemSpec> items,
                                kor::MessageId rowsMessage, const DelimFormMessages& messages);
// The same under a tool's rules: the required items are those that may never be left out and
// those of the sets in use, in item order; a set in use alone comes after them.
FormFault CheckDelimPatternForm(const DelimPatternFormBase& form, const DelimFormRules& rules);

// Fills pattern, of the form's item table, with the form stored as kind (the item-set flags as
// "1" or "0" where the pattern's layout places them).
void StoreDelimForm(const DelimPatternFormBase& form, const DelimPatternKind& kind,
                    CDelimPatternBase& pattern);
// Fills form from a stored pattern (all but its kind); codes outside their choices choose
// nothing.
void LoadDelimForm(const CDelimPatternBase& pattern, DelimPatternFormBase& form);

// True when the form, stored as kind, differs from reference, or, without a reference, from a
// cleared form.
bool IsDelimFormModified(const DelimPatternFormBase& form, const DelimPatternKind& kind,
                         const CDelimPatternBase* reference);
