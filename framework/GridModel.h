#pragma once
// The grid's content without any window: rows and columns, per-cell text, check state and
// background colour, the column settings and the current cell. Row 0 .. FixedRows()-1 are
// title rows; the others hold data.
#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/GridCodes.h"

namespace kor {

class GridModel {
public:
    static constexpr int kDefaultColWidth = 960;  // twips

    struct Column {
        int widthTwips = kDefaultColWidth;
        int alignment = GridCodes::kAlignLeft;
        int dataType = GridCodes::kTypeText;
        bool hidden = false;
    };

    int Rows() const { return m_rows; }
    int Cols() const { return static_cast<int>(m_columns.size()); }
    int FixedRows() const { return m_fixedRows; }
    // Rows and columns added are empty; those removed lose their content.
    void SetRows(int rows);
    void SetCols(int cols);
    void SetFixedRows(int fixedRows);
    // Empties every cell (text, check state, colour); counts and columns stay.
    void Clear();

    bool IsCell(int row, int col) const {
        return row >= 0 && row < m_rows && col >= 0 && col < Cols();
    }
    // Out-of-range cells read as empty and ignore writes.
    const std::string& Text(int row, int col) const;
    void SetText(int row, int col, std::string_view text);
    int Check(int row, int col) const;
    void SetCheck(int row, int col, int state);
    COLORREF BackColor(int row, int col) const;
    void SetBackColor(int row, int col, COLORREF color);

    // Out-of-range columns read as a default column and ignore writes.
    const Column& ColumnAt(int col) const;
    void SetColWidth(int col, int twips);
    void SetColAlignment(int col, int alignment);
    void SetColDataType(int col, int dataType);
    void SetColHidden(int col, bool hidden);
    // A column the user can see and reach: not hidden and wider than nothing.
    bool ColVisible(int col) const;
    bool IsCheckBoxCell(int row, int col) const {
        return row >= m_fixedRows && ColumnAt(col).dataType == GridCodes::kTypeCheckBox;
    }

    // The nearest visible column from col (exclusive) in the direction step (+1 or -1), or -1.
    int NextVisibleCol(int col, int step) const;
    int FirstVisibleCol() const { return NextVisibleCol(-1, +1); }
    int LastVisibleCol() const { return NextVisibleCol(Cols(), -1); }

    // The current cell; -1 when there is no row or no column. Always kept inside the grid.
    int Row() const { return m_row; }
    int Col() const { return m_col; }
    void SetRow(int row);
    void SetCol(int col);

private:
    struct Cell {
        std::string text;
        COLORREF back = GridCodes::kDefaultColor;
        std::uint8_t check = 0;
    };
    Cell* At(int row, int col) { return IsCell(row, col) ? &m_cells[Index(row, col)] : nullptr; }
    const Cell* At(int row, int col) const {
        return IsCell(row, col) ? &m_cells[Index(row, col)] : nullptr;
    }
    size_t Index(int row, int col) const {
        return static_cast<size_t>(row) * m_columns.size() + static_cast<size_t>(col);
    }
    void ClampCurrent();

    int m_rows = 0;
    int m_fixedRows = 1;
    int m_row = -1;
    int m_col = -1;
    std::vector<Column> m_columns;
    std::vector<Cell> m_cells;  // row by row
};

}  // namespace kor
