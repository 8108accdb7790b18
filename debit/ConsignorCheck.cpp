#include "debit/ConsignorCheck.h"

#include <cstring>
#include <string>
#include <string_view>

#include "common/base/CharCheck.h"
#include "debit/MessageIds.h"

namespace db {

namespace {

FormFault Fault(Msg message, ConsignorField field, std::string word = {}) {
    return FormFault{message, std::move(word), {}, static_cast<int>(field)};
}

bool IsKana(const char* text) {
    return CCharCheck::CheckForbidden(text, static_cast<int>(std::strlen(text)), nullptr,
                                      kConsignorForbiddenChars);
}

bool IsDigits(const char* text) {
    return CCharCheck::IsDigits(text, static_cast<int>(std::strlen(text)));
}

// An optional number: empty, or digits only.
bool IsEmptyOrDigits(const char* text) {
    return text[0] == '\0' || IsDigits(text);
}

bool IsListedAccountType(std::string_view type) {
    return type == "1" || type == "2" || type == "9";
}

}  // namespace

FormFault CheckConsignor(const CConsignorInfo& c) {
    using F = ConsignorField;
    if (c.description[0] == '\0')
        return Fault(Msg::kRequiredEmpty, F::kDescription, "委託者登録内容の説明");
    if (!CCharCheck::HasNoQuoteOrComma(c.description))
        return Fault(Msg::kQuoteOrComma, F::kDescription);
    if (c.code[0] == '\0') return Fault(Msg::kRequiredEmpty, F::kCode, "委託者コード");
    if (!IsListedAccountType(c.accountType))
        return Fault(Msg::kNothingChosen, F::kAccountType, "科目");
    if (!IsKana(c.name)) return Fault(Msg::kBadCharacters, F::kName);
    if (!IsDigits(c.code)) return Fault(Msg::kBadCharacters, F::kCode);
    if (!IsEmptyOrDigits(c.branchCode)) return Fault(Msg::kBadCharacters, F::kBranchCode);
    if (!IsKana(c.branchName)) return Fault(Msg::kBadCharacters, F::kBranchName);
    if (!IsEmptyOrDigits(c.accountNumber)) return Fault(Msg::kBadCharacters, F::kAccountNumber);
    return {};
}

}  // namespace db
