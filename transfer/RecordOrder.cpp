#include "transfer/RecordOrder.h"

namespace xf {

bool RecordKeyLess(const CDetailRecord& a, const CDetailRecord& b, int order) {
    return ::RecordKeyLess(a, b, order, kOrderKeyItems);
}

void SortRecords(CDetailObList& records, int order) {
    SortRecordList(records, order, kOrderKeyItems);
}

}  // namespace xf
