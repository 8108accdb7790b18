#pragma once
// Everything one read of a customer file produced: a copy of the consignor, the detail records
// in file order, the debit date, the totals and the output options. The data set owns all of it;
// it has one owner at a time (handed over as std::unique_ptr).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "debit/ConsignorInfo.h"
#include "debit/DetailRecord.h"

namespace db {

class CDataSet {
public:
    std::unique_ptr<CConsignorInfo> consignor;  // absent until the reader sets it
    CDetailObList details;
    int kind = kKindAccountTransfer;
    std::string countText;  // counted records, decimal
    std::string totalText;  // sum of the counted amounts, decimal
    std::string month;      // debit month "1" to "12"
    std::string day;        // debit day "1" to "31"
    int zeroOption = 0;     // the pattern's zero-amount check: 1 error, 2 skip
    int blankOption = 0;    // the pattern's blank-amount check: 1 error, 2 skip
    std::string outputFileName;  // the direct-debit file last written
    std::string inputFileName;
    int errorFree = 0;          // 1 when no item is in error or warning
    int outputDone = 0;         // 1 once the direct-debit file was written
    std::string ordinaryCode;   // the pattern's customer codes for account types 1, 2, 3, 9
    std::string currentCode;
    std::string taxReserveCode;
    std::string otherCode;
    int patternIndex = -1;  // position of the pattern in the main screen's list
    // Order of the details while the check screen shows them: 0 serial, 1 account number,
    // 2 depositor name.
    int sortOrder = 0;
    std::optional<std::int64_t> outputTime;  // seconds since 1970 of the last output
    int outputLengthCode = 0;                // 1, 2, 3 = 120, 126, 128 bytes
    int lineBreak = 0;                       // 1 = CR LF after every output record
    // 1 when the counted records or their sum went beyond what the trailer record can carry
    // (6 and 12 digits): the count and total texts then hold the caps and no file may be
    // written.
    int totalsOverflow = 0;
};

}  // namespace db
