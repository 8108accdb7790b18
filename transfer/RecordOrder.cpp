#include "transfer/RecordOrder.h"

namespace xf {

namespace {
// The items of orders 1 and 2.
constexpr int kKeyItems[] = {kAccountNumber, kAccountName};
}  // namespace

bool RecordKeyLess(const CDetailRecord& a, const CDetailRecord& b, int order) {
    return ::RecordKeyLess(a, b, order, kKeyItems);
}

void SortRecords(CDetailObList& records, int order) {
    SortRecordList(records, order, kKeyItems);
}

}  // namespace xf
