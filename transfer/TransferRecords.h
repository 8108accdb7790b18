#pragma once
// The records of the transfer file (header, one data record per transfer that was not deleted,
// trailer, end record) as field tables, and their assembly into a record frame.
#include <functional>

#include "common/base/RecordFrame.h"
#include "common/items/UploadRecords.h"
#include "transfer/DataSet.h"

namespace xf {

// What the trailer carries: the data records written and the sum of their amounts.
using TransferTotals = RecordTotals;

// Counts the records whose delete flag is not 1 and adds up their amounts.
TransferTotals CountTransfers(const CDataSet& data);

// Builds header, data records, trailer and end record into frame and closes it with the end
// byte. step(n) is called after the n-th record (n from 1), when given. The data set's transfer
// kind must be general or salary/bonus.
void BuildTransferFile(const CDataSet& data, const TransferTotals& totals, CRecordFrame& frame,
                       const std::function<void(int)>& step = {});

}  // namespace xf
