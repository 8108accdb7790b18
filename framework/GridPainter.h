#pragma once
// Draws the cells of the grid that lie in a clip rectangle: title rows, data rows, grid lines,
// cell colours, aligned text, check boxes and the frame of the current cell.
#include <windows.h>

#include "framework/GridLayout.h"
#include "framework/GridModel.h"

namespace kor {

class GridPainter {
public:
    struct Options {
        HFONT font = nullptr;
        bool focused = false;
        bool enabled = true;
        bool showCurrent = true;  // false while the cell editor covers the current cell
    };
    // What one paint touched: the number of cells drawn and the data rows among them.
    struct Stats {
        int cells = 0;
        int firstDataRow = -1;
        int lastDataRow = -1;
    };

    static Stats Paint(HDC dc, const RECT& clip, const GridModel& model, const GridLayout& layout,
                       const Options& options);
};

}  // namespace kor
