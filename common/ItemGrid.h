#pragma once
// The grid of a tool's detail records, from its item table: one column per item after the
// tool's own leading columns, each cell showing its item as the table says, flagged cells
// yellow.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/GridColumns.h"
#include "common/ItemRecord.h"

class CVSFlexGrid;

// The leading columns, then the column of every item in table order.
std::vector<GridColumnSpec> ItemGridColumns(std::span<const GridColumnSpec> leading,
                                            std::span<const ItemSpec> items);

// The text an item shows in its cell: an amount without leading zeros ("0" for zeros only) and,
// when it has no flag, with thousands separators; an item with a zero-pad width cut to it and,
// when it has no flag and is not empty, padded with '0' to it; any other item as stored.
std::string ItemCellText(const ItemSpec& item, std::string_view text, bool flagged);

// Puts every item of the record into row, the first item in column firstCol, and paints the
// cells of items in error or warning yellow (the last of them is left the current cell).
// True when an item was flagged.
bool FillItemCells(CVSFlexGrid& grid, int row, int firstCol, const CItemRecord& record);
