#include "common/patterns/AccountFields.h"

#include <algorithm>

namespace {

std::string PadZeros(std::string_view text, size_t width) {
    if (text.empty() || text.size() >= width) return std::string(text);
    return std::string(width - text.size(), '0') + std::string(text);
}

}  // namespace

int AccountTypeIndex(std::string_view accountType) {
    int index = 0;
    for (const AccountTypeChoice& choice : kAccountTypeChoices) {
        if (std::string_view(choice.text).starts_with(accountType)) return index;
        ++index;
    }
    return -1;
}

int AccountTypeValue(std::string_view accountType) {
    const int index = AccountTypeIndex(accountType);
    return index < 0 ? -1 : kAccountTypeChoices[index].value;
}

std::string AccountTypeText(int value) {
    return value < 0 ? std::string("-1") : std::to_string(value);
}

std::string StoredAccountTypeText(std::string_view accountType) {
    return accountType.empty() ? std::string("-1") : std::string(accountType);
}

std::string PadAccountNumber(std::string_view number) {
    return PadZeros(number, 7);
}

std::string PadCustomerCode(std::string_view code) {
    std::string text(code);
    std::erase(text, ' ');
    return PadZeros(text, 10);
}
