#include "transfer/ItemCheck.h"

#include <cstdlib>

#include "common/CharCheck.h"
#include "common/StrUtil.h"
#include "transfer/DetailRecord.h"

namespace xf {

namespace {

constexpr unsigned char kMiddleDot = 0xA5;

bool IsRequired(int kind) {
    return kind == kBankCode || kind == kBranchCode || kind == kAccountType ||
           kind == kAccountNumber || kind == kAccountName;
}

bool IsDigitItem(int kind) {
    return kind == kBankCode || kind == kBranchCode || kind == kAccountNumber || kind == kAmount ||
           kind == kRequesterNumber;
}

bool AllDigits(const std::string& text) {
    return CCharCheck::IsDigits(text.data(), static_cast<int>(text.size()));
}

bool IsKana(const std::string& text, const char* signs) {
    return CCharCheck::IsKanaAlnum(text.data(), static_cast<int>(text.size()), signs);
}

std::string_view TrimBlanks(std::string_view s) {
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

int CheckAccountType(const std::string& text, int transferKind, const AccountTypeCodes& codes) {
    const std::string mapped = MapAccountTypeCode(text, codes);
    int result = kResultValid;
    if (mapped.size() != 1) result |= kResultWarning;
    const long value = std::strtol(mapped.c_str(), nullptr, 10);
    const bool allowed = transferKind == kKindSalaryBonus
                             ? (value == 1 || value == 2)
                             : (value == 1 || value == 2 || value == 4 || value == 9);
    if (!allowed) result |= kResultError;
    return result;
}

// An empty amount or one of value 0 is an error or leaves its line out, as the pattern says.
// Only an amount written in digits can be 0: anything else is an error already and must stay
// visible rather than drop its line.
int CheckAmountValue(const std::string& text, const ItemCheckRules& rules, bool* skipLine) {
    int option = kAmountAccepted;
    if (text.empty()) {
        option = rules.blankOption;
    } else if (AllDigits(text) && text.find_first_not_of('0') == std::string::npos) {
        option = rules.zeroOption;
    }
    if (option == kAmountIsError) return kResultError;
    if (option == kAmountSkipsLine && skipLine) *skipLine = true;
    return kResultValid;
}

}  // namespace

void NormalizeItemText(std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        const size_t len = CStrUtil::CharLength(text, i);
        if (len == 2 && text[i] == '\x81' && text[i + 1] == '\x40') {
            out += ' ';  // full-width space
        } else if (len == 1 && static_cast<unsigned char>(text[i]) == kMiddleDot) {
            out += '.';
        } else {
            out.append(text, i, len);
        }
        i += len;
    }
    text.assign(TrimBlanks(out));
}

std::string MapAccountTypeCode(std::string_view text, const AccountTypeCodes& codes) {
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.empty()) return {};
    // Whole texts are compared, so a double-byte code can only match whole characters.
    if (trimmed == codes.ordinary) return "1";
    if (trimmed == codes.checking) return "2";
    if (trimmed == codes.savings) return "4";
    if (trimmed == codes.other) return "9";
    return std::string(trimmed);
}

int CheckItem(std::string& text, int kind, int transferKind, bool codesRequired,
              const ItemCheckRules& rules, bool* skipLine) {
    if (kind < 0 || kind >= kItemCount) return kResultError;
    NormalizeItemText(text);
    if (IsRequired(kind) && text.empty() &&
        ((kind != kBankCode && kind != kBranchCode) || codesRequired))
        return kResultError;

    int result = kResultValid;
    if (kItemMaxLength[kind] > 0 && text.size() > static_cast<size_t>(kItemMaxLength[kind]))
        result = kResultTooLong;

    if (IsDigitItem(kind)) {
        if (!text.empty() && !AllDigits(text)) result |= kResultError;
    } else if (kind == kBankName || kind == kBranchName || kind == kAccountName) {
        if (!IsKana(text, kWideSigns)) result |= kResultError;
    } else if (kind == kCustomerCode1 || kind == kCustomerCode2 || kind == kEdiInfo) {
        if (!IsKana(text, kNarrowSigns)) result |= kResultError;
    } else if (kind == kAccountType) {
        result |= CheckAccountType(text, transferKind, rules.accountCodes);
    }
    if (kind == kAmount) result |= CheckAmountValue(text, rules, skipLine);
    return result;
}

}  // namespace xf
