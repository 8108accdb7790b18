#pragma once
// The grid of the local-tax correction and check screens: the serial number, the detail's
// position in its group (hidden), the 削除 box and the fourteen items in columns 3 to 16
// (column = item + 3). The details go in group after group, one row each that the display mode
// admits; an item in error shows in a yellow cell, an item made valid by a correction in a light
// blue one.
#include <windows.h>

#include <array>
#include <string>
#include <string_view>

#include "common/items/GridColumns.h"
#include "localtax/DataSet.h"

class CVSFlexGrid;

namespace tx {

class CGridHelper : public CDetailGridBase {
public:
    static constexpr int kColPosition = kColListIndex;  // position in the group's list, from 0
    static constexpr int kColumnCount = kFirstItemCol + kItemCount;

    // Which details get a row.
    static constexpr int kModeValid = 1;   // details without the error flag (check screen)
    static constexpr int kModeAll = 2;     // any other non-zero mode shows every detail too
    static constexpr int kModeErrors = 3;  // details with the error flag (correction screen)

    // Back colours of the item cells by status; a valid item as read keeps the grid's colour.
    static constexpr COLORREF kErrorColor = RGB(255, 255, 0);
    static constexpr COLORREF kCorrectedColor = RGB(0, 255, 255);

    CGridHelper();

    // Stores the three (none owned) and hides the position column, and the 削除 column in the
    // mode of valid details.
    void Attach(CDataSet* dataSet, CVSFlexGrid* grid, int mode);
    // Adds the rows of every group in list order: kFilled; kNothingToFill without grid, mode
    // or data set; kNoRows when a group has no details (the rows so far stay) or no row was
    // shown. Filled, the current cell is (1, 0) and the grid takes edits.
    int Fill();

    // The status of each item, in states[kFirstItemCol..] (grid column order); true when the
    // detail's error flag is set.
    static bool GetErrorFlags(const CDetailRecord& detail,
                              std::array<ItemStatus, kColumnCount>& states);
    // The text an item's cell shows for its stored text and status.
    static std::string CellText(int item, std::string_view text, ItemStatus status);

    // What a row holds, as the correction screen takes it back.
    struct Row {
        int position = -1;          // the detail's position in its group; -1 when unreadable
        bool deleteTicked = false;  // the 削除 box is checked
        std::array<std::string, kItemCount> texts;  // the item cells as shown
    };
    static Row ReadRow(const CVSFlexGrid& grid, int row);
    // The detail of a row of the group's details; nullptr when the row names no detail of it.
    static CDetailRecord* DetailOfRow(const CVSFlexGrid& grid, int row, CTaxGroup& group);
    // Whether the cell shows an item in error (yellow).
    static bool IsErrorCell(const CVSFlexGrid& grid, int row, int col);

private:
    void FillGroupRows(const CDetailObList& details);
    void MarkCell(int row, int col, ItemStatus status);

    CDataSet* m_dataSet = nullptr;
};

}  // namespace tx
