#pragma once
// Puts a data set into a grid: a title row, the three leading columns and one column per item
// of the transfer items' table, one row per detail record that the display mode admits, and the
// cells of items in error or warning painted yellow. The correction and check screens make one on
// the stack each time they (re)fill their grid. Salary and bonus transfers hide the columns of
// the items only general transfers carry.
#include <span>
#include <string>
#include <string_view>

#include "common/items/ItemGrid.h"
#include "transfer/DataSet.h"

class CVSFlexGrid;

namespace xf {

class CGridHelper : public CItemGridHelper {
public:
    static constexpr int kColumnCount = kFirstItemCol + kItemCount;
    // An amount of zeros without a flag shows as an empty cell.
    static constexpr ZeroAmountCell kZeroAmounts = ZeroAmountCell::kZeroWhenFlagged;

    // The transfer tool's columns: the leading ones, then the items'.
    static std::span<const GridColumnSpec> Columns();

    CGridHelper() : CItemGridHelper(TransferItems(), kZeroAmounts) {}

    // Stores the three and decides which columns are hidden (SetColumnFlags).
    void Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode);
    void FillRows(const CDetailObList& records);

    // The text an item shows in its cell: codes padded with zeros, the amount without leading
    // zeros (kZeroAmounts) and, when it has no flag, with thousands separators.
    static std::string CellText(int kind, std::string_view text, bool flagged);

private:
    void SetColumnFlags(const CDataSet* dataSet);
};

}  // namespace xf
