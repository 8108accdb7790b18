#pragma once
// The records of the direct-debit file (header, one data record per debit that was not
// deleted, trailer, end record) as field tables, and their assembly into a record frame.
#include <functional>

#include "common/base/RecordFrame.h"
#include "common/items/UploadRecords.h"
#include "debit/DataSet.h"

namespace db {

// Counts the records whose delete flag is not 1 and adds up their amounts.
RecordTotals CountDebits(const CDataSet& data);

// Builds header, data records, trailer and end record into frame and closes it with the end
// byte. step(n) is called after the n-th record (n from 1), when given.
void BuildDebitFile(const CDataSet& data, const RecordTotals& totals, CRecordFrame& frame,
                    const std::function<void(int)>& step = {});

}  // namespace db
