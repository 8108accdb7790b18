#pragma once
// One direct-debit line of the customer's file: the ten items' texts with their result codes,
// addressed by item kind through the direct-debit items' table.
#include <memory>
#include <vector>

#include "common/items/ItemRecord.h"
#include "debit/DebitItems.h"

namespace db {

class CDetailRecord : public CItemRecord {
public:
    CDetailRecord() : CItemRecord(DebitItemLayout()) {}
};

using CDetailObList = std::vector<std::unique_ptr<CDetailRecord>>;

}  // namespace db
