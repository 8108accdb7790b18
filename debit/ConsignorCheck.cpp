#include "debit/ConsignorCheck.h"

#include <cstring>
#include <string>
#include <string_view>

#include "common/base/CharCheck.h"

namespace db {

namespace {

FormFault Fault(int message, ConsignorField field, std::string word = {}) {
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
    if (c.description[0] == '\0') return Fault(10, F::kDescription, "委託者登録内容の説明");
    if (!CCharCheck::HasNoQuoteOrComma(c.description)) return Fault(108, F::kDescription);
    if (c.code[0] == '\0') return Fault(10, F::kCode, "委託者コード");
    if (!IsListedAccountType(c.accountType)) return Fault(11, F::kAccountType, "科目");
    if (!IsKana(c.name)) return Fault(18, F::kName);
    if (!IsDigits(c.code)) return Fault(18, F::kCode);
    if (!IsEmptyOrDigits(c.branchCode)) return Fault(18, F::kBranchCode);
    if (!IsKana(c.branchName)) return Fault(18, F::kBranchName);
    if (!IsEmptyOrDigits(c.accountNumber)) return Fault(18, F::kAccountNumber);
    return {};
}

}  // namespace db
