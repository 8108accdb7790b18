// Painting: only the rows in view are drawn, so a grid of 50,000 records stays instant; the
// colours land in the right cells.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "GridTestHost.h"
#include "framework/UniqueHandle.h"

namespace {

using kortest::GridTestHost;

constexpr int kCols = 15;
constexpr int kRecords = 50000;

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(f.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

// As the screens fill it: one appended row per record, fifteen texts each.
void FillRecords(CVSFlexGrid& g) {
    g.SetCols(kCols);
    g.SetRows(1);
    for (int c = 0; c < kCols; ++c) g.SetTextMatrix(0, c, "金融機関コード");
    g.SetColDataType(2, CVSFlexGrid::kTypeCheckBox);
    for (int i = 0; i < kRecords; ++i) {
        const int row = g.Rows();
        g.SetRows(row + 1);
        g.SetTextMatrix(row, 0, std::to_string(i + 1));
        g.SetTextMatrix(row, 1, std::to_string(i));
        g.SetCell(CVSFlexGrid::kCellChecked, row, 2, CVSFlexGrid::kUnchecked);
        for (int c = 3; c < kCols; ++c) g.SetTextMatrix(row, c, "ﾃｽﾄ ﾃﾞｰﾀ");
        if (i % 7 == 0) g.SetCell(CVSFlexGrid::kCellBackColor, row, 5, 0x00FFFF);
    }
}

// Paints the whole client area now and tells what was drawn.
kor::GridPainter::Stats PaintAll(const GridTestHost& host) {
    InvalidateRect(host.GridWindow(), nullptr, FALSE);
    UpdateWindow(host.GridWindow());
    return host.Control()->LastPaint();
}

int VisibleCols(const GridTestHost& host) {
    int n = 0;
    const auto control = host.Control();
    for (int c = 0; c < control->Model().Cols(); ++c) {
        const RECT rc = control->Layout().CellRect(control->Model(), 1, c);
        if (rc.right > rc.left && rc.right > 0 && rc.left < control->Layout().ClientWidth()) ++n;
    }
    return n;
}

void FillAndJump(bool redraw) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    const LARGE_INTEGER t0 = Now();
    if (!redraw) g.SetRedraw(false);
    FillRecords(g);
    if (!redraw) g.SetRedraw(true);
    const LARGE_INTEGER t1 = Now();
    g.SetRow(kRecords);
    g.ShowCell(kRecords, 0);
    const kor::GridPainter::Stats stats = PaintAll(host);
    const LARGE_INTEGER t2 = Now();
    std::printf(
        "[ timing   ] %d rows x %d columns, redraw %s: fill %.1f ms, jump to the last "
        "row and paint %.1f ms (%d cells drawn)\n",
        kRecords, kCols, redraw ? "on" : "off", Milliseconds(t0, t1), Milliseconds(t1, t2),
        stats.cells);
    EXPECT_EQ(g.Rows(), kRecords + 1);
    EXPECT_EQ(stats.lastDataRow, kRecords);
    const int page = host.Control()->Layout().PageRows(host.Control()->Model());
    EXPECT_EQ(g.TopRow(), kRecords - page + 1);
    EXPECT_LE(stats.cells, (page + 2) * kCols);
    // A loose bound that only an accidental pass over all rows would break.
    EXPECT_LT(Milliseconds(t0, t2), 5000.0);
}

TEST(GridPaint, FiftyThousandRowsFillAndJumpToTheLast) {
    FillAndJump(true);
}
TEST(GridPaint, FiftyThousandRowsFillWithRedrawOff) {
    FillAndJump(false);
}

TEST(GridPaint, OnePaintDrawsTheRowsInViewOnly) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    g.SetRedraw(false);
    FillRecords(g);
    g.SetRedraw(true);
    const auto control = host.Control();
    const int page = control->Layout().PageRows(control->Model());
    for (int top : {1, 2, 25000, kRecords}) {
        g.SetTopRow(top);
        const kor::GridPainter::Stats stats = PaintAll(host);
        const int first = g.TopRow();
        const int last = control->Layout().LastVisibleRow(control->Model());
        EXPECT_EQ(stats.firstDataRow, first) << top;
        EXPECT_EQ(stats.lastDataRow, last) << top;
        EXPECT_GE(last - first + 1, page) << top;
        EXPECT_LE(last - first + 1, page + 1) << top;
        // The title row and the data rows in view, each with the columns in view.
        EXPECT_EQ(stats.cells, (1 + last - first + 1) * VisibleCols(host)) << top;
    }
    // A change to one cell in view repaints that cell; one out of view repaints nothing.
    PaintAll(host);
    g.SetTextMatrix(g.TopRow(), 3, "x");
    UpdateWindow(host.GridWindow());
    EXPECT_EQ(host.Control()->LastPaint().cells, 1);
    g.SetTextMatrix(1, 3, "y");
    EXPECT_FALSE(GetUpdateRect(host.GridWindow(), nullptr, FALSE));
}

// Draws the client area into a bitmap through WM_PRINTCLIENT and reads pixels from it.
class ClientPicture {
public:
    explicit ClientPicture(HWND hwnd) {
        RECT rc;
        GetClientRect(hwnd, &rc);
        HDC screen = GetDC(hwnd);
        m_dc.reset(CreateCompatibleDC(screen));
        m_bitmap.reset(CreateCompatibleBitmap(screen, rc.right, rc.bottom));
        ReleaseDC(hwnd, screen);
        m_select = std::make_unique<kor::ScopedSelect>(m_dc.get(), m_bitmap.get());
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(m_dc.get()), PRF_CLIENT);
    }
    COLORREF At(int x, int y) const { return GetPixel(m_dc.get(), x, y); }

private:
    kor::UniqueDC m_dc;
    kor::UniqueBitmap m_bitmap;
    std::unique_ptr<kor::ScopedSelect> m_select;
};

TEST(GridPaint, CellColoursTitleRowAndHiddenColumnsLandWhereTheCellsAre) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(4, 5);
    for (int c = 0; c < 5; ++c) g.SetColWidth(c, 1500);
    g.SetColHidden(1, true);
    g.SetCell(CVSFlexGrid::kCellBackColor, 2, 3, 0x00FFFF);
    g.SetRow(3);
    g.SetCol(0);
    const auto control = host.Control();
    const ClientPicture picture(host.GridWindow());
    // A point near the right end of a cell, clear of its text and of the current-cell frame.
    auto probe = [&](int row, int col) {
        const RECT rc = control->Layout().CellRect(control->Model(), row, col);
        return picture.At(rc.right - 6, (rc.top + rc.bottom) / 2);
    };
    EXPECT_EQ(probe(2, 3), RGB(255, 255, 0));
    EXPECT_EQ(probe(2, 4), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(probe(1, 3), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(probe(0, 3), GetSysColor(COLOR_BTNFACE));
    // Column 1 is hidden: column 2 starts where column 0 ends.
    const RECT c0 = control->Layout().CellRect(control->Model(), 1, 0);
    const RECT c2 = control->Layout().CellRect(control->Model(), 1, 2);
    EXPECT_EQ(c2.left, c0.right);
    // The current cell has its frame.
    const RECT cur = control->Layout().CellRect(control->Model(), 3, 0);
    EXPECT_NE(picture.At(cur.left, (cur.top + cur.bottom) / 2), GetSysColor(COLOR_WINDOW));
}

TEST(GridPaint, CheckBoxesShowTheirState) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(3, 3);
    g.SetColDataType(1, CVSFlexGrid::kTypeCheckBox);
    g.SetColAlignment(1, CVSFlexGrid::kAlignCenter);
    g.SetCell(CVSFlexGrid::kCellChecked, 1, 1, CVSFlexGrid::kChecked);
    g.SetCell(CVSFlexGrid::kCellChecked, 2, 1, CVSFlexGrid::kUnchecked);
    g.SetRow(1);
    g.SetCol(0);
    const auto control = host.Control();
    const ClientPicture picture(host.GridWindow());
    // Dark pixels inside the box: its frame and, when checked, the tick.
    auto ink = [&](int row) {
        const RECT rc = control->Layout().CellRect(control->Model(), row, 1);
        int dark = 0;
        for (int y = rc.top + 1; y < rc.bottom - 1; ++y) {
            for (int x = rc.left + 1; x < rc.right - 1; ++x) {
                const COLORREF p = picture.At(x, y);
                if (GetRValue(p) + GetGValue(p) + GetBValue(p) < 200) ++dark;
            }
        }
        return dark;
    };
    const int unchecked = ink(2);
    EXPECT_GT(unchecked, 20);           // the box is drawn, not the text
    EXPECT_GT(ink(1), unchecked + 10);  // and the tick in it
}

}  // namespace
