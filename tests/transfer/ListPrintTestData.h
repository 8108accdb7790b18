#pragma once
// Data sets for the list printing tests: a requester, a transfer date, an output time and
// error-free records that differ only in their serial numbers.
#include <windows.h>

#include <cstring>
#include <memory>
#include <string>

#include "support/ListPageView.h"
#include "transfer/DataSet.h"

namespace kortest {

inline void Set(xf::CDetailRecord& record, int kind, const char* text, int code = 0) {
    record.Store(kind, text, code);
}

inline std::unique_ptr<xf::CDetailRecord> MakeRecord(int serial) {
    auto r = std::make_unique<xf::CDetailRecord>();
    r->serial = serial;
    Set(*r, xf::kBankCode, "0005");
    Set(*r, xf::kBankName, "ｷﾞﾝｺｳA");
    Set(*r, xf::kBranchCode, "123");
    Set(*r, xf::kBranchName, "ｼﾃﾝB");
    Set(*r, xf::kAccountType, "1");
    Set(*r, xf::kAccountNumber, "7654321");
    Set(*r, xf::kAccountName, "ﾔﾏﾀﾞ ﾀﾛｳ");
    Set(*r, xf::kAmount, "0000001234");
    Set(*r, xf::kCustomerCode1, "C1");
    Set(*r, xf::kCustomerCode2, "C2");
    return r;
}

// records error-free records with serials 1..records.
inline std::unique_ptr<xf::CDataSet> MakeData(int records, int transferKind = xf::kKindGeneral) {
    auto d = std::make_unique<xf::CDataSet>();
    d->requester = std::make_unique<xf::CRequesterInfo>();
    std::strcpy(d->requester->name, "ｶ)ﾃｽﾄｼｮｳｼﾞ");
    std::strcpy(d->requester->branchCode, "001");
    std::strcpy(d->requester->branchName, "ﾎﾝﾃﾝ");
    std::strcpy(d->requester->accountType, "2");
    std::strcpy(d->requester->accountNumber, "1234567");
    std::strcpy(d->requester->requesterCode, "1234567890");
    d->transferKind = transferKind;
    d->month = "1";
    d->day = "5";
    d->countText = std::to_string(records);
    d->totalText = std::to_string(1234LL * records);
    d->outputTime = LocalSeconds(2026, 3, 4, 5, 6, 7);
    for (int i = 1; i <= records; ++i) d->details.push_back(MakeRecord(i));
    return d;
}

}  // namespace kortest
