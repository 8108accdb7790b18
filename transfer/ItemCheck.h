#pragma once
// The transfer tool's side of the item checks: the customer's four account-type codes, the
// type codes each transfer kind allows, and the check of one item by its kind.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "common/items/ItemCheck.h"
#include "transfer/TransferItems.h"

namespace xf {

using ::HasErrorBits;
using ::kAmountAccepted;
using ::kAmountIsError;
using ::kAmountSkipsLine;
using ::kNarrowSigns;
using ::kWideSigns;
using ::NormalizeItemText;

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

// The codes as the common mapping compares them; views into codes.
std::array<AccountTypeCode, 4> AccountCodeTable(const AccountTypeCodes& codes);

// The account types a transfer kind allows: 1, 2, 4 and 9; salary/bonus only 1 and 2.
std::span<const int> AccountTypeTargets(int transferKind);

// The type code ("1", "2", "4", "9") that the customer's code stands for, or the text trimmed of
// blanks when it is none of the four codes.
std::string MapAccountTypeCode(std::string_view text, const AccountTypeCodes& codes);

}  // namespace xf
