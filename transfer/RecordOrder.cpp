#include "transfer/RecordOrder.h"

#include <algorithm>

namespace xf {

bool RecordKeyLess(const CDetailRecord& a, const CDetailRecord& b, int order) {
    switch (order) {
        case kOrderSerial:
            return a.serial < b.serial;
        case kOrderAccountNumber:
            return ItemTextLess(a, b, kAccountNumber);
        case kOrderAccountName:
            return ItemTextLess(a, b, kAccountName);
        default:
            return false;
    }
}

void SortRecords(CDetailObList& records, int order) {
    std::stable_sort(records.begin(), records.end(), [order](const auto& a, const auto& b) {
        return RecordKeyLess(*a, *b, order);
    });
}

}  // namespace xf
