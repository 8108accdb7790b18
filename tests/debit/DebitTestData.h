#pragma once
// Direct-debit data sets for the grid and list tests: a consignor, a debit date, an output time
// and valid records that differ only in their serial numbers; single items are then changed or
// flagged by the tests.
#include <memory>
#include <string>

#include "debit/DataSet.h"
#include "support/ListPageView.h"

namespace dbtest {

// The texts of a valid record, in item order.
inline constexpr const char* kValidTexts[db::kItemCount] = {
    "0998", "ｶｴﾃﾞｷﾞﾝｺｳ", "123", "ｼﾃﾝB", "1", "7654321", "ﾔﾏﾀﾞ ﾊﾅｺ", "0000001234", "1", "CUST-01",
};

inline std::unique_ptr<db::CDetailRecord> ValidRecord(int serial) {
    auto r = std::make_unique<db::CDetailRecord>();
    r->serial = serial;
    for (int i = 0; i < db::kItemCount; ++i) r->Store(i, kValidTexts[i]);
    return r;
}

// records valid records with serials 1..records; totals 1,234 a record.
inline std::unique_ptr<db::CDataSet> ValidData(int records) {
    auto d = std::make_unique<db::CDataSet>();
    d->consignor = std::make_unique<db::CConsignorInfo>();
    // name, code, branch code and name, account type and number, description, index
    *d->consignor =
        db::CConsignorInfo{"ｶ)ｼｭｳｷﾝﾀﾞｲｺｳ", "0123456789", "12", "ﾎﾝﾃﾝ", "1", "2345678", "", 0};
    d->month = "6";
    d->day = "27";
    d->countText = std::to_string(records);
    d->totalText = std::to_string(1234LL * records);
    d->outputTime = kortest::LocalSeconds(2026, 7, 8, 9, 10, 11);
    for (int i = 1; i <= records; ++i) d->details.push_back(ValidRecord(i));
    return d;
}

}  // namespace dbtest
