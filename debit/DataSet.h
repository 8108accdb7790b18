#pragma once
// Everything one read of a customer file produced: a copy of the consignor, the detail records
// in file order, the debit date, the totals and the output options. The data set owns all of it;
// it has one owner at a time (handed over as std::unique_ptr).
#include <memory>
#include <string>

#include "common/items/DataSetFields.h"
#include "debit/ConsignorInfo.h"
#include "debit/DetailRecord.h"

namespace db {

class CDataSet : public DataSetFields {
public:
    std::unique_ptr<CConsignorInfo> consignor;  // absent until the reader sets it
    CDetailObList details;
    int kind = kKindAccountTransfer;
    std::string outputFileName;  // the direct-debit file last written
    std::string ordinaryCode;    // the pattern's customer codes for account types 1, 2, 3, 9
    std::string currentCode;
    std::string taxReserveCode;
    std::string otherCode;
};

}  // namespace db
