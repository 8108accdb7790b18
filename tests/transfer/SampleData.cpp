#include "SampleData.h"

#include <cstring>

namespace xftest {

void SetItem(xf::CDetailRecord& record, int kind, const std::string& text, int result) {
    char* item = record.Text(kind);
    const int width = record.Width(kind);
    std::memset(item, 0, static_cast<size_t>(width) + 1);
    text.copy(item, static_cast<size_t>(width));
    record.SetResult(kind, result);
}

std::unique_ptr<xf::CDetailRecord> ValidRecord(int serial) {
    auto r = std::make_unique<xf::CDetailRecord>();
    r->serial = serial;
    SetItem(*r, xf::kBankCode, "0001", 0);
    SetItem(*r, xf::kBankName, "ｶｴﾃﾞｷﾞﾝｺｳ", 0);
    SetItem(*r, xf::kBranchCode, "001", 0);
    SetItem(*r, xf::kBranchName, "ﾎﾝﾃﾝ", 0);
    SetItem(*r, xf::kAccountType, "1", 0);
    SetItem(*r, xf::kAccountNumber, "1234567", 0);
    SetItem(*r, xf::kAccountName, "ﾔﾏﾀﾞ ﾀﾛｳ", 0);
    SetItem(*r, xf::kAmount, std::to_string(1000 + serial), 0);
    return r;
}

std::unique_ptr<xf::CDataSet> ValidDataSet(int count, int transferKind) {
    auto set = std::make_unique<xf::CDataSet>();
    set->requester = std::make_unique<xf::CRequesterInfo>();
    set->transferKind = transferKind;
    set->zeroOption = 1;
    set->blankOption = 1;
    set->ordinaryCode = "1";
    set->checkingCode = "2";
    set->savingsCode = "4";
    set->otherCode = "9";
    set->month = "4";
    set->day = "25";
    for (int i = 1; i <= count; ++i) set->details.push_back(ValidRecord(i));
    return set;
}

xf::CDetailRecord& Record(xf::CDataSet& set, int index) {
    return *set.details.at(static_cast<size_t>(index));
}

}  // namespace xftest
