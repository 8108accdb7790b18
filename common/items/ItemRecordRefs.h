#pragma once
// A tool's detail records as the shared code reads them: the records of a data set's list, in
// list order, seen as plain CItemRecords whatever the tool's record class.
#include <memory>
#include <span>
#include <vector>

#include "common/items/ItemRecord.h"

using ItemRecordSpan = std::span<const CItemRecord* const>;

// The records that owners (unique_ptrs to a class derived from CItemRecord) hold, in order.
template <typename Owners>
std::vector<const CItemRecord*> ItemRecordRefs(const Owners& owners) {
    std::vector<const CItemRecord*> refs;
    refs.reserve(owners.size());
    for (const auto& owner : owners) refs.push_back(owner.get());
    return refs;
}
