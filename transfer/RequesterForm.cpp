#include "transfer/RequesterForm.h"

#include <string_view>

#include "common/base/CharCheck.h"
#include "common/base/StrUtil.h"
#include "transfer/MessageIds.h"

namespace xf {

namespace {

bool IsKana(const std::string& text) {
    return CCharCheck::IsKanaAlnum(text.c_str(), static_cast<int>(text.size()), kKanaExtraChars);
}

bool IsDigits(const std::string& text) {
    return CCharCheck::IsDigits(text.c_str(), static_cast<int>(text.size()));
}

FormFault Fault(Msg message, RequesterForm::Field field, std::string word1 = {},
                std::string word2 = {}) {
    return FormFault{message, std::move(word1), std::move(word2), field};
}

template <size_t N>
void Put(char (&field)[N], std::string_view text) {
    CStrUtil::CopyToBuffer(text, field, static_cast<int>(N - 1));
    field[N - 1] = '\0';
}

}  // namespace

FormFault CheckRequesterForm(const RequesterForm& form) {
    using F = RequesterForm;
    // The field takes 74 characters, which may be more bytes than the record holds.
    constexpr size_t kDescriptionWidth = sizeof(CRequesterInfo::description) - 1;
    if (form.description.size() > kDescriptionWidth)
        return Fault(Msg::kTooLong, F::kDescription, "振込依頼人登録内容の説明",
                     std::to_string(kDescriptionWidth));
    if (form.description.empty())
        return Fault(Msg::kRequiredEmpty, F::kDescription, "振込依頼人登録内容の説明");
    if (!CCharCheck::HasNoQuoteOrComma(form.description))
        return Fault(Msg::kQuoteOrComma, F::kDescription);
    if (form.name.empty()) return Fault(Msg::kRequiredEmpty, F::kName, "振込依頼人名（カナ）");
    if (form.branchCode.empty()) return Fault(Msg::kRequiredEmpty, F::kBranchCode, "支店コード");
    if (form.accountNumber.empty())
        return Fault(Msg::kRequiredEmpty, F::kAccountNumber, "口座番号");
    if (form.accountType < 0) return Fault(Msg::kNothingChosen, F::kAccountType, "科目");
    if (!IsKana(form.name)) return Fault(Msg::kBadCharacters, F::kName);
    if (!form.requesterCode.empty() && !IsDigits(form.requesterCode))
        return Fault(Msg::kBadCharacters, F::kRequesterCode);
    if (!IsDigits(form.branchCode)) return Fault(Msg::kBadCharacters, F::kBranchCode);
    if (!IsKana(form.branchName)) return Fault(Msg::kBadCharacters, F::kBranchName);
    if (!IsDigits(form.accountNumber)) return Fault(Msg::kBadCharacters, F::kAccountNumber);
    return {};
}

FormFault CheckStoredRequester(const CRequesterInfo& requester) {
    const RequesterForm form = FromRequester(requester);
    if (FormFault fault = CheckRequesterForm(form)) return fault;
    // The form reads an empty type as the list's first choice.
    if (std::string_view(requester.accountType) != AccountTypeText(form.accountType))
        return Fault(Msg::kNothingChosen, RequesterForm::kAccountType, "科目");
    return {};
}

CRequesterInfo ToRequester(const RequesterForm& form) {
    CRequesterInfo r;
    Put(r.description, form.description);
    Put(r.name, form.name);
    Put(r.requesterCode, form.requesterCode);
    Put(r.branchCode, form.branchCode);
    Put(r.branchName, form.branchName);
    Put(r.accountType, form.accountType < 0 ? std::string() : std::to_string(form.accountType));
    Put(r.accountNumber, form.accountNumber);
    Put(r.transferKind, form.kind);
    return r;
}

RequesterForm FromRequester(const CRequesterInfo& requester) {
    RequesterForm form;
    form.description = requester.description;
    form.name = requester.name;
    form.requesterCode = requester.requesterCode;
    form.branchCode = requester.branchCode;
    form.branchName = requester.branchName;
    form.accountNumber = requester.accountNumber;
    form.accountType = AccountTypeValue(requester.accountType);
    const std::string_view kind = requester.transferKind;
    form.kind = kind == "1" || kind == "2" ? std::string(kind) : std::string();
    return form;
}

bool IsRequesterModified(const RequesterForm& form, const CRequesterInfo* reference) {
    if (!reference) {
        return !form.name.empty() || !form.branchCode.empty() || !form.branchName.empty() ||
               !form.accountNumber.empty() || !form.description.empty() ||
               !form.requesterCode.empty() || form.accountType != 1 || !form.kind.empty();
    }
    const std::string_view storedType = reference->accountType;
    return form.name != reference->name || form.branchCode != reference->branchCode ||
           form.branchName != reference->branchName ||
           form.accountNumber != reference->accountNumber ||
           form.description != reference->description ||
           form.requesterCode != reference->requesterCode ||
           AccountTypeText(form.accountType) != StoredAccountTypeText(storedType) ||
           form.kind != std::string_view(reference->transferKind);
}

}  // namespace xf
