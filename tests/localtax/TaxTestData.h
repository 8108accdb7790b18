#pragma once
// Small local-tax data sets for the grid and list tests: details whose items are all valid as
// read and whose sums agree, in groups with a filled header.
#include <initializer_list>
#include <memory>
#include <string>

#include "localtax/DataSet.h"

namespace txtest {

// A valid detail of serial n: municipality "1310n0", one salary taxpayer of 12,345 yen.
inline std::unique_ptr<tx::CDetailRecord> ValidDetail(int serial) {
    auto d = std::make_unique<tx::CDetailRecord>();
    d->serial = serial;
    d->output = 1;
    const char* texts[tx::kItemCount] = {
        "",          "ﾁﾖﾀﾞｸ          ", "ABC-123        ", " ",        "00001",
        "000012345", "00000",           "000000000",       "00001",    "000012345",
        "000",       "0000000000",      "000000000",       "000000000"};
    d->SetText(tx::kMunicipalityCode, "1310" + std::to_string(serial % 10) + "0");
    for (int item = 1; item < tx::kItemCount; ++item) d->SetText(item, texts[item]);
    for (int item = 0; item < tx::kItemCount; ++item) d->SetStatus(item, tx::kStatusRead);
    return d;
}

// A group of count valid details, serials 1..count, taken for output.
inline std::unique_ptr<tx::CTaxGroup> ValidGroup(int count, const std::string& fileName = "") {
    auto g = std::make_unique<tx::CTaxGroup>();
    g->fileName = fileName;
    g->output = 1;
    g->SetHeader(tx::kConsignorCode, "0000000000");
    g->SetHeader(tx::kBranchNumber, "000");
    g->SetHeader(tx::kPaymentDate, "000000");
    g->SetHeader(tx::kPaymentMonth, "0000");
    g->SetHeader(tx::kPayerName, "ｶ)ﾃｽﾄｼｮｳｼﾞ         ﾎﾝｼｬ                ");
    g->SetHeader(tx::kAddress, "ﾄｳｷｮｳﾄﾁﾖﾀﾞｸ             ﾏﾙﾉｳﾁ1-1                 ");
    for (int item = 0; item < tx::kHeaderItemCount; ++item) {
        g->SetHeaderStatus(item, tx::kStatusRead);
    }
    for (int i = 1; i <= count; ++i) g->details.push_back(ValidDetail(i));
    return g;
}

// A data set of groups of those sizes.
inline std::unique_ptr<tx::CDataSet> ValidData(std::initializer_list<int> groupSizes) {
    auto set = std::make_unique<tx::CDataSet>();
    for (int size : groupSizes) set->groups.push_back(ValidGroup(size));
    return set;
}

// Puts the item in error (status 0) and the detail's error flag up.
inline void SetError(tx::CDetailRecord& d, int item, const char* text = nullptr) {
    if (text) d.SetText(item, text);
    d.SetStatus(item, tx::kStatusError);
    d.error = 1;
}

}  // namespace txtest
