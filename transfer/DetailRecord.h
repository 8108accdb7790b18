#pragma once
// One transfer line of the customer's file: every item's text (at most its width in bytes,
// zero-terminated) with the item's result code beside it, addressed by item kind through the
// transfer items' table, and the identification the reader gives a general transfer.
#include <memory>
#include <vector>

#include "common/items/ItemRecord.h"
#include "transfer/TransferItems.h"

namespace xf {

// Item result codes: 0 valid; bit 1 error; bit 2 warning; 18 too long (warning bit set).
inline constexpr int kResultValid = kItemValid;
inline constexpr int kResultError = kItemError;
inline constexpr int kResultWarning = kItemWarning;
inline constexpr int kResultTooLong = kItemTooLong;

class CDetailRecord : public CItemRecord {
public:
    CDetailRecord() : CItemRecord(TransferItemLayout()) {}

    // General transfers: 'Y' EDI information present, 'X' requester number present, ' ' none;
    // salary/bonus: 0. A plain member: no other tool has such a mark.
    char identification = 0;
};

using CDetailObList = std::vector<std::unique_ptr<CDetailRecord>>;

}  // namespace xf
