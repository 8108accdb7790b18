#pragma once
// The screens' view of a grid control (window class kor::kGridClassName, usually a custom
// control of a dialog template). It does not own the window; operations on a grid that is
// gone, or on rows and columns outside it, do nothing and read as empty.
//
// Edit events reach the grid's parent as WM_NOTIFY with an EditNotify (see kor::GridCodes); a
// screen can hand its WM_NOTIFY to HandleNotify with two handlers.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "framework/GridCodes.h"

namespace kor {
class GridControl;
}

class CVSFlexGrid : public kor::GridCodes {
public:
    // Cell settings of Cell / SetCell.
    static constexpr int kCellChecked = 5;    // kChecked or kUnchecked (0: never set)
    static constexpr int kCellBackColor = 6;  // a COLORREF, or kDefaultColor
    using BeforeEditHandler = std::function<void(int row, int col, bool& cancel)>;
    using AfterEditHandler = std::function<void(int row, int col)>;

    CVSFlexGrid();
    explicit CVSFlexGrid(HWND grid);
    ~CVSFlexGrid();
    CVSFlexGrid(const CVSFlexGrid&);
    CVSFlexGrid& operator=(const CVSFlexGrid&);

    // Binds to a grid window; false (and unbound) for any other window.
    bool Attach(HWND grid);
    bool AttachDlgItem(HWND dialog, int id) { return Attach(GetDlgItem(dialog, id)); }
    HWND GetSafeHwnd() const { return m_hwnd; }
    bool IsBound() const;

    // Row count including the title rows; SetRows(Rows() + 1) appends an empty row.
    int Rows() const;
    void SetRows(int rows);
    int Cols() const;
    void SetCols(int cols);
    // Title rows at the top that do not scroll and are never edited (1 at creation).
    int FixedRows() const;
    void SetFixedRows(int rows);
    // Empties every cell (text, check state, colour); the counts and column settings stay.
    void Clear();

    // Cell text, CP932.
    std::string TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string_view text);

    // A cell setting over the cells row1..row2, col1..col2 (either order); reading gives the
    // value of (row1, col1).
    long Cell(int setting, int row1, int col1, int row2, int col2) const;
    long Cell(int setting, int row, int col) const { return Cell(setting, row, col, row, col); }
    void SetCell(int setting, int row1, int col1, int row2, int col2, long value);
    void SetCell(int setting, int row, int col, long value) {
        SetCell(setting, row, col, row, col, value);
    }
    // Background of the current cell.
    COLORREF CellBackColor() const;
    void SetCellBackColor(COLORREF color);

    // Column width in twips (1440 an inch), shown in pixels of the screen's resolution.
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void SetColAlignment(int col, int alignment);
    int ColDataType(int col) const;
    void SetColDataType(int col, int dataType);
    bool ColHidden(int col) const;
    void SetColHidden(int col, bool hidden);

    // The current cell (-1 when the grid has no row or no column); setting it does not scroll.
    int Row() const;
    void SetRow(int row);
    int Col() const;
    void SetCol(int col);
    // Scrolls as little as needed to show the cell wholly.
    void ShowCell(int row, int col);
    // The first data row shown below the title rows.
    int TopRow() const;
    void SetTopRow(int row);

    // Longest text in CP932 bytes that the cell editor takes (0: no limit). A before-edit
    // handler may set it for the edit about to start.
    int EditMaxLength() const;
    void SetEditMaxLength(int bytes);
    int Editable() const;
    void SetEditable(int mode);

    // Off while filling many rows: nothing is redrawn until it is turned on again.
    bool Redraw() const;
    void SetRedraw(bool on);

    // For a screen's WM_NOTIFY: true when the notification is this grid's, after calling the
    // matching handler (an empty handler is skipped; a before-edit handler sets cancel).
    bool HandleNotify(LPARAM lParam, const BeforeEditHandler& onBeforeEdit,
                      const AfterEditHandler& onAfterEdit) const;

private:
    std::shared_ptr<kor::GridControl> Control() const { return m_control.lock(); }

    HWND m_hwnd = nullptr;
    std::weak_ptr<kor::GridControl> m_control;
};
