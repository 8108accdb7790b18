#pragma once
// Everything one read of a customer file produced: a copy of the requester, the detail records
// in file order, the transfer kind and date, the totals and the output options. The data set
// owns all of it; it has one owner at a time (handed over as std::unique_ptr).
#include <memory>
#include <string>

#include "common/items/DataSetFields.h"

#include "transfer/DetailRecord.h"
#include "transfer/RequesterInfo.h"

namespace xf {

class CDataSet : public DataSetFields {
public:
    std::unique_ptr<CRequesterInfo> requester;  // absent until the reader sets it
    CDetailObList details;
    int transferKind = 0;      // kKindGeneral or kKindSalaryBonus
    int bonusFlag = 0;         // salary/bonus: 0 salary, 1 bonus
    std::string ordinaryCode;  // the pattern's customer codes for account types 1, 2, 4, 9
    std::string checkingCode;
    std::string savingsCode;
    std::string otherCode;
};

}  // namespace xf
