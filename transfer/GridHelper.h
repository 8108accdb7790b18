#pragma once
// Puts a data set into a grid: a title row, the three leading columns and one column per item
// of the transfer items' table, one row per detail record that the display mode admits, and the
// cells of items in error or warning painted yellow. The correction and check screens make one on
// the stack each time they (re)fill their grid.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "common/GridColumns.h"
#include "transfer/DataSet.h"

class CVSFlexGrid;

namespace xf {

class CGridHelper {
public:
    // Which records get a row.
    static constexpr int kModeErrorFree = 1;  // records without any flagged item (check screen)
    static constexpr int kModeAll = 2;
    static constexpr int kModeFlagged = 3;  // records with at least one flagged item

    // Results of Fill.
    static constexpr int kFilled = 0;
    static constexpr int kNothingToFill = 1;  // no grid or no data set
    static constexpr int kNoRows = 3;         // no record, or none that the mode admits

    // The columns; the items are shown in columns kFirstItemCol.. in item order.
    static constexpr int kColSerial = 0;
    static constexpr int kColListIndex = 1;  // position in the data set's list, from 0 (hidden)
    static constexpr int kColDelete = 2;
    static constexpr int kFirstItemCol = 3;
    static constexpr int kColumnCount = kFirstItemCol + kItemCount;

    // The transfer tool's columns: the leading ones, then the items'.
    static std::span<const GridColumnSpec> Columns();

    CGridHelper() = default;

    // Stores the three and decides which columns are hidden (SetColumnFlags).
    void Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode);
    // Empties the grid and sets up the title row and the columns.
    void SetupColumns();
    // Adds the rows; kFilled, kNothingToFill or kNoRows. Filled, the grid is editable and its
    // current cell is (1, 0).
    int Fill();
    void FillRows(const CDetailObList& records);

    // The text an item shows in its cell: codes padded with zeros, the amount without leading
    // zeros and, when it has no flag, with thousands separators.
    static std::string CellText(int kind, std::string_view text, bool flagged);

private:
    void SetColumnFlags();

    CDataSet* m_dataSet = nullptr;
    CVSFlexGrid* m_grid = nullptr;
    int m_mode = 0;
    std::array<bool, kColumnCount> m_hidden{};
};

}  // namespace xf
