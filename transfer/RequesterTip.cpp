#include "transfer/RequesterTip.h"

#include <cstdlib>

namespace xf {

std::string AccountTypeText(const char* accountType) {
    switch (std::atoi(accountType)) {
        case 1:
            return "普通預金";
        case 2:
            return "当座預金";
        case 4:
            return "貯蓄預金";
        case 9:
            return "その他";
        default:
            return {};
    }
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
    std::string text;
    text.append("振込依頼人名(ｶﾅ)　").append(requester.name);
    text.append("\n依頼人コード　　　").append(requester.requesterCode);
    text.append("\n金融機関コード　　0998");
    text.append("\n金融機関名(ｶﾅ)　　ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ");
    text.append("\n支店コード　　　　").append(requester.branchCode);
    text.append("\n支店名(ｶﾅ)　　　　").append(requester.branchName);
    text.append("\n科目　　　　　　　").append(AccountTypeText(requester.accountType));
    text.append("\n口座番号　　　　　").append(requester.accountNumber);
    text.append("\n区分　　　　　　　").append(RequesterKindText(requester.transferKind));
    return text;
}

}  // namespace xf
