#pragma once
// Orders of a data set's detail records: the check screen may show them by account number or
// by account name and always hands the data set back in serial order.
#include "common/items/RecordOrder.h"
#include "transfer/DetailRecord.h"

namespace xf {

using ::kOrderSerial;
inline constexpr int kOrderAccountNumber = 1;
inline constexpr int kOrderAccountName = 2;
// The items of orders 1 and 2.
inline constexpr int kOrderKeyItems[] = {kAccountNumber, kAccountName};

// True when a's key is smaller than b's: the serial number as a number, the account number or
// the account name byte by byte as unsigned bytes (a prefix is smaller). Unknown orders: never.
bool RecordKeyLess(const CDetailRecord& a, const CDetailRecord& b, int order);

// Reorders the list in place by the key of order; records with equal keys keep their order.
void SortRecords(CDetailObList& records, int order);

}  // namespace xf
