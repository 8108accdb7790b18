#pragma once
// What every read of a customer file gives besides its records and its requester or consignor:
// the totals, the date, the amount options, the file names and flags of the read and the
// output, and the output record options. Each tool's data set adds the rest.
#include <cstdint>
#include <optional>
#include <string>

struct DataSetFields {
    std::string countText;  // counted records, decimal
    std::string totalText;  // sum of the counted amounts, decimal
    std::string month;      // "1" to "12"
    std::string day;        // "1" to "31"
    int zeroOption = 0;     // the pattern's zero-amount check: 1 error, 2 skip
    int blankOption = 0;    // the pattern's blank-amount check: 1 error, 2 skip
    std::string inputFileName;
    int errorFree = 0;      // 1 when no item is in error or warning
    int outputDone = 0;     // 1 once the bank file was written
    int patternIndex = -1;  // position of the pattern in the main screen's list
    // Order of the details while the check screen shows them: 0 serial, 1 account number,
    // 2 account name.
    int sortOrder = 0;
    std::optional<std::int64_t> outputTime;  // seconds since 1970 of the last output
    int outputLengthCode = 0;                // 1, 2, 3 = 120, 126, 128 bytes
    int lineBreak = 0;                       // 1 = CR LF after every output record
    // 1 when the counted records or their sum went beyond what the trailer record can carry
    // (6 and 12 digits): the count and total texts then hold the caps and no file may be
    // written.
    int totalsOverflow = 0;
};
