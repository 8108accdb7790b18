#pragma once
// Orders of a data set's detail records: order 0 is the serial order, every other order is that
// of one item's text, taken from the tool's table of key items (order 1 is its first entry).
#include <algorithm>
#include <span>

#include "common/items/ItemRecord.h"

inline constexpr int kOrderSerial = 0;

// True when a's key is smaller than b's: the serial number as a number, or the key item's text
// byte by byte as unsigned bytes (a prefix is smaller). Unknown orders: never.
bool RecordKeyLess(const CItemRecord& a, const CItemRecord& b, int order,
                   std::span<const int> keyItems);

// Reorders a list of owned records in place by the key of order; records with equal keys keep
// their order.
template <class RecordList>
void SortRecordList(RecordList& records, int order, std::span<const int> keyItems) {
    std::stable_sort(records.begin(), records.end(),
                     [order, keyItems](const auto& a, const auto& b) {
                         return RecordKeyLess(*a, *b, order, keyItems);
                     });
}
