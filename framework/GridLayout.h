#pragma once
// Where the grid's cells lie in its client area: column widths in pixels (from twips), the row
// height, and the scroll state (first data row shown, horizontal offset in pixels). Title rows
// never scroll vertically.
#include <windows.h>

#include <vector>

#include "framework/GridModel.h"

namespace kor {

class GridLayout {
public:
    static constexpr int kTwipsPerInch = 1440;

    void SetMetrics(int rowHeight, int dpiX);
    int RowHeight() const { return m_rowHeight; }
    int Dpi() const { return m_dpiX; }
    int TwipsToPixels(int twips) const { return MulDiv(twips, m_dpiX, kTwipsPerInch); }

    // Call after any change of the column count, widths or hidden flags.
    void RebuildColumns(const GridModel& model);
    void SetClientSize(int width, int height);
    int ClientWidth() const { return m_clientWidth; }
    int ClientHeight() const { return m_clientHeight; }

    int TotalWidth() const { return m_colX.empty() ? 0 : m_colX.back(); }
    int ColLeft(int col) const;   // in grid coordinates (before scrolling)
    int ColWidth(int col) const;  // 0 for a hidden column

    // Rows 0 .. FixedTop-1 are the title rows that exist.
    static int FixedTop(const GridModel& model) {
        return model.FixedRows() < model.Rows() ? model.FixedRows() : model.Rows();
    }
    int FixedHeight(const GridModel& model) const { return FixedTop(model) * m_rowHeight; }
    // Data rows that fit wholly below the title rows (at least 1).
    int PageRows(const GridModel& model) const;
    int MaxTopRow(const GridModel& model) const;
    int TopRow() const { return m_topRow; }
    int ScrollX() const { return m_scrollX; }
    int MaxScrollX() const;
    void SetTopRow(const GridModel& model, int row);
    void SetScrollX(int x);
    // Keeps the scroll state valid after the grid changed.
    void Clamp(const GridModel& model);

    // The last data row with any part in the client area (TopRow()-1 when none is).
    int LastVisibleRow(const GridModel& model) const;
    RECT CellRect(const GridModel& model, int row, int col) const;
    // The cell under a client point; false outside every cell.
    bool HitTest(const GridModel& model, POINT pt, int& row, int& col) const;
    // Scrolls as little as needed so that the cell is wholly shown.
    void ScrollIntoView(const GridModel& model, int row, int col);

private:
    int m_rowHeight = 16;
    int m_dpiX = 96;
    int m_clientWidth = 0;
    int m_clientHeight = 0;
    int m_topRow = 0;
    int m_scrollX = 0;
    std::vector<int> m_colX{0};  // left edge of every column, then the total width
};

}  // namespace kor
