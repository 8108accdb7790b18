#pragma once
// Rules of a tool's correction grid that hold without a window: which cell the user may edit,
// how long its text may be, in which order an update visits the columns of a row and what an
// update stores in the record. The grid has the serial, the record's list position and the
// delete box in columns 0 to 2 and the items of the tool's table from column 3 on.
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/items/ItemGrid.h"
#include "common/items/ItemRecord.h"
#include "common/items/ItemSpec.h"

// The leading columns of an item grid (CItemGridHelper).
inline constexpr int kItemGridListIndexCol = CItemGridHelper::kColListIndex;
inline constexpr int kItemGridDeleteCol = CItemGridHelper::kColDelete;
inline constexpr int kItemGridFirstItemCol = CItemGridHelper::kFirstItemCol;

// Bit 0x10 of an item's result code (a too long item has it): updates leave the item as it is
// until the user edits its cell, which clears the bit.
inline constexpr int kResultUntouched = 0x10;

// May the cell be edited? The delete box only in a row with a yellow item cell (a record with a
// flagged item); any other cell only when it is yellow itself and shows one of itemCount items.
bool MayEditItemCell(int col, int itemCount, bool cellYellow, bool rowHasYellowItem);

// Longest text, in bytes, that a cell of the column takes; 0 for the columns without an item.
int ItemEditLimit(std::span<const ItemSpec> items, int col);

std::string RemoveCommas(std::string_view text);

// The columns an update visits in a row: the delete box first, then the name items (they decide
// whether empty codes are errors), then the other items in table order; an item for which
// visited is false is left out.
std::vector<int> CorrectionColumnOrder(std::span<const ItemSpec> items,
                                       const std::function<bool(const ItemSpec&)>& visited = {});

// The item checks an update runs on the cells it takes back, set up by the tool from its data set.
class CItemRechecks {
public:
    virtual ~CItemRechecks() = default;
    // Checks one item and leaves its normalised text in text; the item's result code.
    virtual int CheckItem(std::string& text, int kind, bool namesMissing) = 0;
    // The type code that an account-type text stands for.
    virtual std::string MapAccountType(std::string_view text) = 0;
    // Counts the records neither deleted nor in error into the data set's count and total, sets
    // its error-free flag and clears its output-done flag; true when errors remain.
    virtual bool CommitDataSet() = 0;
};

// One row of the correction grid as an update reads it.
struct CorrectionCells {
    bool deleteChecked = false;
    std::span<const std::string> texts;  // the item cells, in item order
};

// A checked delete box marks the record deleted and nothing else of the row is read. Otherwise,
// visiting the columns of order, every item whose result code has a flag and not bit 0x10 is
// checked again from its cell and stored, cut to its width, with result code 1 when the check
// failed and 0 when it passed; a valid account type is stored as its type code. Empty or invalid
// name items make the items required without a name required, as on reading.
void ApplyCorrectionCells(CItemRechecks& checks, CItemRecord& record, const CorrectionCells& row,
                          std::span<const int> order);
