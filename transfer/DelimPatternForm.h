#pragma once
// The separated pattern screen's form: its item list, the fields of a sample line as the screen
// lists them, its checks before a save (those that need only the form) and its mapping onto a
// separated pattern.
#include <string>
#include <string_view>
#include <vector>

#include "common/FormFault.h"
#include "transfer/DelimPattern.h"
#include "transfer/TransferItems.h"

namespace xf {

struct DelimPatternForm {
    // Fields of a fault: the name, the data-row list, item k of the item list, the
    // account-type text i (codes 1, 2, 4, 9).
    enum Field { kNone = 0, kName = 1, kDataRow = 2 };
    static constexpr int ItemField(int k) { return 10 + k; }
    static constexpr int AccountTypeField(int i) { return 50 + i; }

    struct Item {
        int column = -1;   // the assigned field of the customer line (from 0), -1 for none
        std::string text;  // the source line shown for that field
    };

    int kind = 1;       // 1 general, 2 salary/bonus, 0 none chosen
    int separator = 1;  // file class: 1 comma, 2 TAB, 4 blank, 0 none chosen
    std::string name;
    int titlePosition = 1;  // position in the title-row list: the number of title rows
    int dataPosition = 1;   // position in the data-row list: the data row minus 1
    int zeroCheck = 1;      // 1 error, 2 skip, 0 none chosen
    int blankCheck = 1;
    int outputLength = 1;  // 1 120, 2 126, 3 128 bytes, 0 none chosen
    int lineBreak = 1;     // 1 with, 0 without, -1 none chosen
    std::string accountTypes[4];
    Item items[kItemCount];

    bool General() const { return kind != 2; }
    // True when the pattern carries item k: every item for a general transfer, all but the
    // general-only ones otherwise.
    bool Carries(int k) const { return General() || !TransferItems()[static_cast<size_t>(k)].generalOnly; }
    // The items the item list shows, from the first: the general-only items come last.
    int ListedItemCount() const;
};

// The text of item k in the item list before its assignment: its label padded, then whether
// it may be left out.
std::string ItemListText(int k);
// The line of item k in the item list.
std::string FormatItemEntry(int k, const DelimPatternForm::Item& item);

// The lines of the source list for a sample line of a file of class separator: "[%02d]" of the
// field number from 1, then the field's text. The line is split as the reader splits a
// customer line (a quoted field keeps its separators); runs of double quotes at either end of a
// field go, and so do quotes and line breaks within it, which a pattern line cannot carry.
std::vector<std::string> SampleSourceLines(std::string_view line, int separator);

// The line of the sample file to read: the last title line, or the first data line when there
// is no title line.
int SampleLineNumber(const DelimPatternForm& form);

// The name's checks that come before any other: present, and short enough to be stored whole.
FormFault CheckDelimPatternName(const DelimPatternForm& form);

// The first failing check of the name, the required items, the account-type texts and the
// rows, in the screen's order; no fault when all pass.
FormFault ValidateDelimForm(const DelimPatternForm& form);

// The pattern the form stores.
CDelimPattern ToDelimPattern(const DelimPatternForm& form);
// The form of a stored pattern; codes outside their choices choose nothing.
DelimPatternForm FromDelimPattern(const CDelimPattern& pattern);

// True when the form differs from reference, or, without a reference, from a cleared form.
bool IsDelimPatternModified(const DelimPatternForm& form, const CDelimPattern* reference);

}  // namespace xf
