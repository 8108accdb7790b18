#pragma once
// The local-tax checks across the items of a group header and of a detail. They only read and
// clear valid flags; a cleared flag switches off every later rule that names the item.
namespace tx {

class CDetailRecord;
class CTaxGroup;

// The group's error flag: 0 when all six header items are valid, else 1.
void ValidateGroup(CTaxGroup& group);

// Applies the cross-item rules in order, each only while every item it names is valid; a failed
// rule clears the flags it names. Then the error flag: 1 when any item is in error.
void ValidateDetail(CDetailRecord& detail);

}  // namespace tx
