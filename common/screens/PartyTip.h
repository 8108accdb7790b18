#pragma once
// The tip a main screen shows over its requester or consignor list: the bank-side data of the
// chosen one, one item a line.
#include <span>
#include <string>

namespace kor {

// The name of an account-type code.
struct AccountTypeName {
    int code;
    const char* text;
};
// The name of accountType (a number as text) in names; empty when it has none.
std::string AccountTypeText(std::span<const AccountTypeName> names, const char* accountType);

// What the tip shows of the party, and the labels of its first two lines.
struct PartyTip {
    const char* nameLabel;  // with the blanks that align the values
    const char* name;
    const char* codeLabel;
    const char* code;
    const char* branchCode;
    const char* branchName;
    std::string accountType;  // as text
    const char* accountNumber;
};
// The lines name, code, bank code, bank name, branch code, branch name, account type and account
// number, separated by "\n".
std::string PartyTipText(const PartyTip& tip);

}  // namespace kor
