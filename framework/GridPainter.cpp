#include "framework/GridPainter.h"

#include <algorithm>
#include <string>

#include "framework/Cp932.h"
#include "framework/GridCodes.h"
#include "framework/UniqueHandle.h"

namespace kor {

namespace {

constexpr COLORREF kDataLine = RGB(192, 192, 192);

// One brush for every fill: the DC brush takes its colour per call.
void Fill(HDC dc, const RECT& rc, COLORREF color) {
    SetDCBrushColor(dc, color);
    FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void Frame(HDC dc, const RECT& rc, int thickness, COLORREF color) {
    Fill(dc, RECT{rc.left, rc.top, rc.right, rc.top + thickness}, color);
    Fill(dc, RECT{rc.left, rc.bottom - thickness, rc.right, rc.bottom}, color);
    Fill(dc, RECT{rc.left, rc.top, rc.left + thickness, rc.bottom}, color);
    Fill(dc, RECT{rc.right - thickness, rc.top, rc.right, rc.bottom}, color);
}

UINT HorizontalFormat(int alignment) {
    switch (alignment) {
        case GridCodes::kAlignCenter:
            return DT_CENTER;
        case GridCodes::kAlignRight:
            return DT_RIGHT;
        default:
            return DT_LEFT;
    }
}

void DrawCheckBox(HDC dc, const RECT& cell, int alignment, bool checked, int dpi, COLORREF ink) {
    const int height = cell.bottom - cell.top - 1;
    const int size = std::min(MulDiv(13, dpi, 96), height - 2);
    if (size < 5) return;
    const int width = cell.right - cell.left - 1;
    int left = cell.left + (width - size) / 2;
    if (alignment == GridCodes::kAlignLeft) left = cell.left + 3;
    if (alignment == GridCodes::kAlignRight) left = cell.right - 4 - size;
    const int top = cell.top + (height - size) / 2;
    const RECT box{left, top, left + size, top + size};
    Fill(dc, box, GetSysColor(COLOR_WINDOW));
    Frame(dc, box, 1, ink);
    if (!checked) return;
    // A tick of three-pixel strokes: down to the lower third, then up to the right corner.
    const int x0 = box.left + size / 5, y0 = box.top + size / 2;
    const int x1 = box.left + size * 2 / 5, y1 = box.bottom - size / 4 - 1;
    const int x2 = box.right - size / 5 - 1, y2 = box.top + size / 4;
    UniquePen pen(CreatePen(PS_SOLID, std::max(2, size / 6), ink));
    ScopedSelect select(dc, pen.get());
    const POINT tick[3] = {{x0, y0}, {x1, y1}, {x2, y2}};
    Polyline(dc, tick, 3);
}

}  // namespace

GridPainter::Stats GridPainter::Paint(HDC dc, const RECT& clip, const GridModel& model,
                                      const GridLayout& layout, const Options& options) {
    Stats stats;
    Fill(dc, clip, GetSysColor(COLOR_APPWORKSPACE));
    ScopedSelect font(dc, options.font ? options.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);

    const int fixedTop = GridLayout::FixedTop(model);
    const int rowHeight = layout.RowHeight();
    // Rows: the title rows, then the data rows from the top row; only those crossing the clip.
    const int firstData = std::max(layout.TopRow(), fixedTop);
    const int lastData = layout.LastVisibleRow(model);
    const COLORREF ink = GetSysColor(options.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    const COLORREF titleInk = GetSysColor(options.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);

    auto paintRow = [&](int row) {
        const bool title = row < fixedTop;
        for (int col = 0; col < model.Cols(); ++col) {
            if (layout.ColWidth(col) == 0) continue;
            const RECT rc = layout.CellRect(model, row, col);
            if (rc.right <= clip.left || rc.left >= clip.right) continue;
            ++stats.cells;
            const GridModel::Column& column = model.ColumnAt(col);
            const COLORREF back = model.BackColor(row, col);
            const RECT inner{rc.left, rc.top, rc.right - 1, rc.bottom - 1};
            if (title) {
                Fill(dc, inner, GetSysColor(COLOR_BTNFACE));
            } else {
                Fill(dc, inner,
                     back == GridCodes::kDefaultColor ? GetSysColor(COLOR_WINDOW) : back);
            }
            const COLORREF line = title ? GetSysColor(COLOR_BTNSHADOW) : kDataLine;
            Fill(dc, RECT{rc.right - 1, rc.top, rc.right, rc.bottom}, line);
            Fill(dc, RECT{rc.left, rc.bottom - 1, rc.right, rc.bottom}, line);

            if (!title && column.dataType == GridCodes::kTypeCheckBox) {
                DrawCheckBox(dc, inner, column.alignment,
                             model.Check(row, col) == GridCodes::kChecked, layout.Dpi(), ink);
            } else if (const std::string& text = model.Text(row, col); !text.empty()) {
                std::wstring wide = ToWide(text);
                RECT textRect{inner.left + 3, inner.top, inner.right - 3, inner.bottom};
                SetTextColor(dc, title ? titleInk : ink);
                const UINT format = (title ? DT_CENTER : HorizontalFormat(column.alignment)) |
                                    DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
                DrawTextW(dc, wide.data(), static_cast<int>(wide.size()), &textRect, format);
            }
            if (options.showCurrent && !title && row == model.Row() && col == model.Col()) {
                Frame(dc, inner, 2,
                      GetSysColor(options.focused ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
            }
        }
    };

    for (int row = 0; row < fixedTop; ++row) {
        const int top = row * rowHeight;
        if (top < clip.bottom && top + rowHeight > clip.top) paintRow(row);
    }
    for (int row = firstData; row <= lastData; ++row) {
        const RECT rc = layout.CellRect(model, row, 0);
        if (rc.top >= clip.bottom) break;
        if (rc.bottom <= clip.top) continue;
        paintRow(row);
        if (stats.firstDataRow < 0) stats.firstDataRow = row;
        stats.lastDataRow = row;
    }
    return stats;
}

}  // namespace kor
