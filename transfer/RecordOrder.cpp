#include "transfer/RecordOrder.h"

#include <algorithm>
#include <cstring>

namespace xf {

namespace {

bool BytesLess(const char* a, const char* b) {
    const size_t la = std::strlen(a);
    const size_t lb = std::strlen(b);
    const int c = std::memcmp(a, b, std::min(la, lb));  // compares as unsigned bytes
    return c < 0 || (c == 0 && la < lb);
}

}  // namespace

bool RecordKeyLess(const CDetailRecord& a, const CDetailRecord& b, int order) {
    switch (order) {
        case kOrderSerial:
            return a.serial < b.serial;
        case kOrderAccountNumber:
            return BytesLess(a.accountNumber.text, b.accountNumber.text);
        case kOrderAccountName:
            return BytesLess(a.accountName.text, b.accountName.text);
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
