#pragma once
// The rules one transfer item must meet before it may go into the bank file: the reader checks
// every item of every line with them, the correction screen every edited cell. Pure functions
// over CP932 text; the engine adds its counters around them.
#include <string>
#include <string_view>

#include "transfer/TransferItems.h"

namespace xf {

// Longest text, in bytes, that each item kind may have; 0: no length rule (the account type).
inline constexpr int kItemMaxLength[kItemCount] = {4, 15, 3, 15, 0, 7, 30, 10, 10, 10, 20, 10};

// Signs that names (bank, branch and account names) may hold besides digits, letters and
// half-width katakana, and the smaller set of customer codes and EDI information.
inline constexpr char kWideSigns[] = "\\｢｣()-/*&$,.@=%+;･ ";
inline constexpr char kNarrowSigns[] = "\\｢｣()-/. ";

// Amount options of a pattern: what an empty amount or an amount of 0 does to its line.
inline constexpr int kAmountAccepted = 0;
inline constexpr int kAmountIsError = 1;
inline constexpr int kAmountSkipsLine = 2;

// The customer's own codes for the account types "1", "2", "4" and "9", in this order.
struct AccountTypeCodes {
    std::string ordinary;
    std::string checking;
    std::string savings;
    std::string other;
};

struct ItemCheckRules {
    int zeroOption = kAmountAccepted;
    int blankOption = kAmountAccepted;
    AccountTypeCodes accountCodes;
};

// True when a result code marks the item in error or warning (one of its low four bits).
constexpr bool HasErrorBits(int result) {
    return (result & 0x0F) != 0;
}

// The full-width space becomes a blank and the half-width middle dot a period (double-byte
// characters are never split), then leading and trailing blanks go.
void NormalizeItemText(std::string& text);

// The type code ("1", "2", "4", "9") that the customer's code stands for, or the text trimmed of
// blanks when it is none of the four codes.
std::string MapAccountTypeCode(std::string_view text, const AccountTypeCodes& codes);

// Checks one item of kind `kind` and leaves its normalised text in `text`. transferKind is
// kKindGeneral or kKindSalaryBonus; codesRequired makes an empty bank or branch code an error
// (the record's bank or branch name is missing or invalid). skipLine, when given, is set when
// the amount asks for the whole line to be left out. Returns the item's result code.
int CheckItem(std::string& text, int kind, int transferKind, bool codesRequired,
              const ItemCheckRules& rules, bool* skipLine = nullptr);

}  // namespace xf
