// The main screen's requester tip.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "transfer/RequesterTip.h"

namespace {

// --- Requester tip -----------------------------------------------------------------------------

TEST(RequesterTip, ListsTheBankSideDataOfTheRequester) {
    xf::CRequesterInfo r;
    std::strcpy(r.name, "ﾃｽﾄｼｮｳｼﾞ(ｶ");
    std::strcpy(r.requesterCode, "0000012345");
    std::strcpy(r.branchCode, "001");
    std::strcpy(r.branchName, "ﾎﾝﾃﾝ");
    std::strcpy(r.accountType, "2");
    std::strcpy(r.accountNumber, "1234567");
    std::strcpy(r.transferKind, "1");
    EXPECT_EQ(xf::RequesterTipText(r),
              "振込依頼人名(ｶﾅ)　ﾃｽﾄｼｮｳｼﾞ(ｶ\n"
              "依頼人コード　　　0000012345\n"
              "金融機関コード　　0998\n"
              "金融機関名(ｶﾅ)　　ｶｴﾃﾞｷﾞﾝｺｳﾎﾝﾃﾝ\n"
              "支店コード　　　　001\n"
              "支店名(ｶﾅ)　　　　ﾎﾝﾃﾝ\n"
              "科目　　　　　　　当座預金\n"
              "口座番号　　　　　1234567\n"
              "区分　　　　　　　総合振込");
}

TEST(RequesterTip, AccountTypeAndKindTexts) {
    struct Case {
        const char* code;
        const char* accountType;
        const char* kind;
    };
    const Case cases[] = {
        {"1", "普通預金", "総合振込"},
        {"2", "当座預金", "給与賞与振込"},
        {"4", "貯蓄預金", "なし"},
        {"9", "その他", "なし"},
        {"3", "", "なし"},
        {"", "", "なし"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xf::AccountTypeText(c.code), c.accountType) << c.code;
        EXPECT_EQ(xf::RequesterKindText(c.code), c.kind) << c.code;
    }
}

}  // namespace
