#include "debit/ConsignorTip.h"

#include "common/screens/PartyTip.h"

namespace db {

namespace {

constexpr kor::AccountTypeName kAccountTypeNames[] = {
    {1, "普通預金"}, {2, "当座預金"}, {3, "納税準備預金"}, {9, "その他"}};

}  // namespace

std::string AccountTypeText(const char* accountType) {
    return kor::AccountTypeText(kAccountTypeNames, accountType);
}

std::string ConsignorTipText(const CConsignorInfo& consignor) {
    return kor::PartyTipText({"委託者名(ｶﾅ)　　　", consignor.name, "委託者コード　　　",
                              consignor.code, consignor.branchCode, consignor.branchName,
                              AccountTypeText(consignor.accountType), consignor.accountNumber});
}

}  // namespace db
