#pragma once
// The transfer tool's rules of the correction grid (CorrectionRules of the shared part over the
// transfer items): which cell the user may edit, how long its text may be and in which order an
// update visits the columns of a row. Columns are those of the grid helper (items from column 3
// on).
#include <span>
#include <string>
#include <string_view>

#include "common/items/CorrectionRules.h"

namespace xf {

using ::kResultUntouched;
using ::RemoveCommas;

// May the cell be edited? The delete box only in a row with a yellow item cell (a record with a
// flagged item); any other cell only when it is yellow itself.
bool MayEditCell(int col, bool cellYellow, bool rowHasYellowItem);

// Longest text, in bytes, that a cell of the column takes, and the width to which an update cuts
// the text it stores; 0 for the columns without an item.
int CorrectionTextLength(int col);

// The columns an update visits in a row: the delete box first, then the bank and branch names
// (they decide whether empty codes are errors), then the other items; the EDI information and
// the requester number only for general transfers.
std::span<const int> UpdateColumnOrder(int transferKind);

}  // namespace xf
