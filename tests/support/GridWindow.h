#pragma once
// A grid window of its own (no dialog), for the grid helpers.
#include <windows.h>

#include "framework/UniqueHandle.h"
#include "framework/VSFlexGrid.h"

namespace kortest {

class GridWindow {
public:
    GridWindow();
    CVSFlexGrid& Grid() { return m_grid; }
    COLORREF BackColor(int row, int col) {
        return static_cast<COLORREF>(m_grid.Cell(CVSFlexGrid::kCellBackColor, row, col));
    }

private:
    kor::UniqueWindow m_window;
    CVSFlexGrid m_grid;
};

}  // namespace kortest
