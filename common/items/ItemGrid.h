#pragma once
// The grid of a tool's detail records, from its item table: one column per item after the
// tool's own leading columns, each cell showing its item as the table says, flagged cells
// yellow.
#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/items/GridColumns.h"
#include "common/items/ItemRecord.h"
#include "common/items/ItemRecordRefs.h"

class CVSFlexGrid;

// The leading columns, then the column of every item in table order.
std::vector<GridColumnSpec> ItemGridColumns(std::span<const GridColumnSpec> leading,
                                            std::span<const ItemSpec> items);
// The columns of a detail grid: serial number, list position, delete box, then the items.
std::vector<GridColumnSpec> ItemGridColumns(std::span<const ItemSpec> items);

// How a tool's grid shows a non-empty amount made only of zeros.
enum class ZeroAmountCell {
    kZeroWhenFlagged,  // "0" in a flagged cell, an empty cell otherwise
    kZero,             // "0", flagged or not
};

// The text an item shows in its cell: an amount without leading zeros (zeros only as zeros
// says) and, when it has no flag, with thousands separators; a zero-padded item cut to its
// record width and, when it has no flag and is not empty, padded with '0' to it; any other item
// as stored.
std::string ItemCellText(const ItemSpec& item, std::string_view text, bool flagged,
                         ZeroAmountCell zeros);

// Puts every item of the record into row, the first item in column firstCol, and paints the
// cells of items in error or warning yellow (the last of them is left the current cell).
// True when an item was flagged.
bool FillItemCells(CVSFlexGrid& grid, int row, int firstCol, const CItemRecord& record,
                   ZeroAmountCell zeros);

// Puts a tool's detail records into a grid: a title row, the serial number, the record's
// position in its list (hidden), the delete box (hidden when only error-free records are shown)
// and one column per item of the tool's table, one row per record that the display mode admits,
// the cells of flagged items yellow. A tool's helper gives its columns, attaches its data set
// and hides what its grid hides beyond that.
class CItemGridHelper : public CDetailGridBase {
public:
    // Which records get a row.
    static constexpr int kModeErrorFree = 1;  // records without any flagged item (check screen)
    static constexpr int kModeAll = 2;
    static constexpr int kModeFlagged = 3;  // records with at least one flagged item

    // Adds the rows; kFilled, kNothingToFill or kNoRows. Filled, the grid is editable and its
    // current cell is (1, 0).
    int Fill();

    // One flag per item of the record (as many as flags holds): whether it is in error or
    // warning. True when any is.
    static bool GetErrorFlags(const CItemRecord& record, std::span<bool> flags);

protected:
    // The records of the attached data set, in list order.
    using RecordSource = std::function<std::vector<const CItemRecord*>()>;

    // The leading columns, then one column per item of items; amounts of zeros as zeros says.
    CItemGridHelper(std::span<const ItemSpec> items, ZeroAmountCell zeros)
        : CDetailGridBase(ItemGridColumns(items)), m_zeros(zeros) {}

    // Stores the grid, the mode and the data set's records (empty: no data set) and shows
    // every column but the list position and, in the error-free mode, the delete box.
    void AttachGrid(CVSFlexGrid* grid, int mode, RecordSource records);

    // One row per record the mode admits, its list position counting every record.
    void FillRecordRows(ItemRecordSpan records);

private:
    RecordSource m_records;
    ZeroAmountCell m_zeros;
};
