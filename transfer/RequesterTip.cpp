#include "transfer/RequesterTip.h"

#include <cstdlib>

#include "common/screens/PartyTip.h"

namespace xf {

namespace {

constexpr kor::AccountTypeName kAccountTypeNames[] = {
    {1, "普通預金"}, {2, "当座預金"}, {4, "貯蓄預金"}, {9, "その他"}};

}  // namespace

std::string AccountTypeText(const char* accountType) {
    return kor::AccountTypeText(kAccountTypeNames, accountType);
}

std::string RequesterKindText(const char* transferKind) {
    switch (std::atoi(transferKind)) {
        case 1:
            return "総合振込";
        case 2:
            return "給与賞与振込";
        default:
            return "なし";
    }
}

std::string RequesterTipText(const CRequesterInfo& requester) {
    std::string text =
        kor::PartyTipText({"振込依頼人名(ｶﾅ)　", requester.name, "依頼人コード　　　",
                           requester.requesterCode, requester.branchCode, requester.branchName,
                           AccountTypeText(requester.accountType), requester.accountNumber});
    text.append("\n区分　　　　　　　").append(RequesterKindText(requester.transferKind));
    return text;
}

}  // namespace xf
