#pragma once
// The account fields that the header-data screens of the tools (requesters, consignors) edit
// alike: the account-type choices of their list, and the zero padding of a customer code and an
// account number when the user leaves the field.
#include <string>
#include <string_view>

// A choice of the account-type list: its text and the value it stores.
struct AccountTypeChoice {
    const char* text;
    int value;
};
inline constexpr AccountTypeChoice kAccountTypeChoices[] = {
    {"1:普通預金", 1}, {"2:当座預金", 2}, {"9:その他", 9}};

// Index in kAccountTypeChoices of the first choice whose text begins with the stored type text,
// or -1.
int AccountTypeIndex(std::string_view accountType);
// The value of a stored type text as the list shows it, or -1 when no choice matches.
int AccountTypeValue(std::string_view accountType);
// A chosen value as stored text, "-1" for none; the text a stored type compares as ("-1" for an
// empty one).
std::string AccountTypeText(int value);
std::string StoredAccountTypeText(std::string_view accountType);

// A non-empty account number padded on the left with "0" to 7 characters.
std::string PadAccountNumber(std::string_view number);
// A customer code (requester or consignor) without blanks, padded on the left with "0" to 10
// characters when not empty.
std::string PadCustomerCode(std::string_view code);
