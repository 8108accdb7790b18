#pragma once
// The rules an item must meet before it may go into a bank file, by the character rule of its
// row in the tool's item table: the readers check every item of every line with them, the
// correction screens every edited cell. Pure functions over CP932 text.
#include <span>
#include <string>
#include <string_view>

#include "common/items/ItemSpec.h"

// Signs that names (bank, branch and account names) may hold besides digits, letters and
// half-width katakana, and the smaller set of codes.
inline constexpr char kWideSigns[] = "\\｢｣()-/*&$,.@=%+;･ ";
inline constexpr char kNarrowSigns[] = "\\｢｣()-/. ";

// Amount options of a pattern: what an empty amount or an amount of 0 does to its line.
inline constexpr int kAmountAccepted = 0;
inline constexpr int kAmountIsError = 1;
inline constexpr int kAmountSkipsLine = 2;

// One of the customer's own codes for an account type and the type code it stands for.
struct AccountTypeCode {
    std::string_view customerText;
    const char* typeCode;
};

// What the checks of one read or one correction need besides the item's row.
struct ItemCheckContext {
    int zeroOption = kAmountAccepted;
    int blankOption = kAmountAccepted;
    std::span<const AccountTypeCode> accountCodes;  // compared in this order
    std::span<const int> accountTargets;            // the type codes valid for the record
    const char* forbidden = "";                     // bytes a kNotForbidden item may not hold
};

// The full-width space becomes a blank and the half-width middle dot a period (double-byte
// characters are never split), then leading and trailing blanks go.
void NormalizeItemText(std::string& text);

// The type code that the customer's code stands for (an empty customer code matches nothing),
// or the text trimmed of blanks when it is none of the codes.
std::string MapAccountType(std::string_view text, std::span<const AccountTypeCode> codes);

// Checks one item by its row and leaves its normalised text in text. namesMissing makes a
// kRequiredWithoutName item required. skipLine, when given, is set when the amount asks for the
// whole line to be left out. Returns the item's result code.
int CheckItemText(std::string& text, const ItemSpec& item, const ItemCheckContext& context,
                  bool namesMissing, bool* skipLine = nullptr);
