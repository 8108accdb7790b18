#pragma once
// The records of the transfer file (header, one data record per transfer that was not deleted,
// trailer, end record) as field tables, and their assembly into a record frame.
#include <cstdint>
#include <functional>

#include "common/RecordFrame.h"
#include "transfer/DataSet.h"

namespace xf {

// What the trailer carries: the data records written and the sum of their amounts.
struct TransferTotals {
    int count = 0;
    std::uint64_t total = 0;
};

inline constexpr int kMaxTrailerCount = 999999;                  // 6 digits
inline constexpr std::uint64_t kMaxTrailerTotal = 999999999999;  // 12 digits

// Counts the records whose delete flag is not 1 and adds up their amounts.
TransferTotals CountTransfers(const CDataSet& data);
// True when the count and the total fit the trailer's digits.
bool FitsTrailer(const TransferTotals& totals);

// Bytes of one record for the output record length code: 1, 2, 3 give 120, 126, 128; any
// other code 0.
int TransferRecordSize(int lengthCode);

// Builds header, data records, trailer and end record into frame and closes it with the end
// byte. step(n) is called after the n-th record (n from 1), when given. The data set's transfer
// kind must be general or salary/bonus.
void BuildTransferFile(const CDataSet& data, const TransferTotals& totals, CRecordFrame& frame,
                       const std::function<void(int)>& step = {});

}  // namespace xf
