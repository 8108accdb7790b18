#pragma once
// A grid's columns as data: each tool's grid helper keeps one table of these and sets up its
// grid from it, so the tools differ only in their tables.
#include <array>
#include <functional>
#include <span>
#include <vector>

class CVSFlexGrid;

struct GridColumnSpec {
    const char* title;  // CP932, shown in the title row
    int dataType;       // CVSFlexGrid::kTypeText or kTypeCheckBox
    int widthTwips;
    int alignment;  // CVSFlexGrid::kAlignLeft, kAlignCenter or kAlignRight
};

// Empties the grid and leaves it with the title row only and one column per entry of columns,
// in table order; hidden (one flag per column, missing flags read as shown) hides columns.
void SetupGridColumns(CVSFlexGrid& grid, std::span<const GridColumnSpec> columns,
                      std::span<const bool> hidden);

// What the detail grids of the tools' correction and check screens do alike: a title row, the
// serial number, the detail's position in its list (always hidden), the delete box, then the
// items; the grid set up from the tool's column table, and the frame of a fill. A tool's helper
// decides which details get a row and what their cells show.
class CDetailGridBase {
public:
    // The leading columns; the items follow from kFirstItemCol.
    static constexpr int kColSerial = 0;
    static constexpr int kColListIndex = 1;  // position in the detail list, from 0 (hidden)
    static constexpr int kColDelete = 2;
    static constexpr int kFirstItemCol = 3;

    // Results of a fill.
    static constexpr int kFilled = 0;
    static constexpr int kNothingToFill = 1;  // no grid or no data set
    static constexpr int kNoRows = 3;         // nothing to show

    // Empties the grid and sets up the title row and the columns.
    void SetupColumns();

protected:
    explicit CDetailGridBase(std::vector<GridColumnSpec> columns) : m_columns(std::move(columns)) {}

    // Stores the grid (not owned) and the display mode and shows every column but the list
    // position and, with hideDelete, the delete box.
    void AttachTo(CVSFlexGrid* grid, int mode, bool hideDelete);
    void HideColumn(int col) { m_hidden.at(static_cast<size_t>(col)) = true; }
    CVSFlexGrid* Grid() const { return m_grid; }
    int Mode() const { return m_mode; }

    // Appends a row with the serial number, the list position and the delete box; its index.
    int AppendRow(int serial, int listIndex, bool deleteChecked);
    // Appends the rows through addRows, nothing drawn until it is done: kNoRows when addRows
    // gives up (false) or no row follows the title row; else kFilled, the current cell (1, 0)
    // and the grid editable.
    int FillRows(const std::function<bool()>& addRows);

private:
    static constexpr size_t kMaxColumns = 32;

    std::vector<GridColumnSpec> m_columns;
    CVSFlexGrid* m_grid = nullptr;
    int m_mode = 0;
    std::array<bool, kMaxColumns> m_hidden{};
};
