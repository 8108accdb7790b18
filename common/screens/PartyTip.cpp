#include "common/screens/PartyTip.h"

#include <cstdlib>

namespace kor {

std::string AccountTypeText(std::span<const AccountTypeName> names, const char* accountType) {
    const int code = std::atoi(accountType);
    for (const AccountTypeName& name : names) {
        if (name.code == code) return name.text;
    }
    return {};
}

std::string PartyTipText(const PartyTip& tip) {
    std::string text;
    text.append(tip.nameLabel).append(tip.name);
    text.append("\n").append(tip.codeLabel).append(tip.code);
    text.append("\n金融機関コード　　0998");
    text.append("\n金融機関名(ｶﾅ)　　ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ");
    text.append("\n支店コード　　　　").append(tip.branchCode);
    text.append("\n支店名(ｶﾅ)　　　　").append(tip.branchName);
    text.append("\n科目　　　　　　　").append(tip.accountType);
    text.append("\n口座番号　　　　　").append(tip.accountNumber);
    return text;
}

}  // namespace kor
