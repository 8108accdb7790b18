#include "framework/VSFlexGrid.h"

#include <gtest/gtest.h>

#include "GridTestHost.h"
#include "framework/GridClass.h"
#include "framework/UniqueHandle.h"

namespace {

using kortest::GridTestHost;

TEST(VSFlexGrid, TemplateCustomControlBecomesAGridWithTheDialogFont) {
    GridTestHost host;
    ASSERT_TRUE(host.Dialog());
    ASSERT_TRUE(host.Grid().IsBound());
    const HFONT dialogFont = reinterpret_cast<HFONT>(SendMessageW(host.Dialog(), WM_GETFONT, 0, 0));
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(host.GridWindow(), WM_GETFONT, 0, 0)),
              dialogFont);
    // A fresh grid: no rows or columns yet, one title row, not editable.
    EXPECT_EQ(host.Grid().Rows(), 0);
    EXPECT_EQ(host.Grid().Cols(), 0);
    EXPECT_EQ(host.Grid().FixedRows(), 1);
    EXPECT_EQ(host.Grid().Editable(), CVSFlexGrid::kEditNone);
    // Another kind of window cannot be bound.
    CVSFlexGrid other;
    EXPECT_FALSE(other.AttachDlgItem(host.Dialog(), 1028));
    EXPECT_FALSE(other.IsBound());
    EXPECT_EQ(other.Rows(), 0);
}

TEST(VSFlexGrid, OperationsReadBack) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    g.SetCols(15);
    g.SetRows(1);
    g.SetTextMatrix(0, 4, "金融機関名(ｶﾅ)");
    g.SetRows(g.Rows() + 1);  // appends an empty row
    g.SetTextMatrix(1, 9, "ﾔﾏﾀﾞ ﾀﾛｳ");
    g.SetColWidth(9, 2800);
    g.SetColAlignment(10, CVSFlexGrid::kAlignRight);
    g.SetColDataType(2, CVSFlexGrid::kTypeCheckBox);
    g.SetColHidden(1, true);
    g.SetCell(CVSFlexGrid::kCellChecked, 1, 2, CVSFlexGrid::kChecked);
    g.SetRow(1);
    g.SetCol(3);
    g.SetCellBackColor(0x00FFFF);
    g.SetEditMaxLength(30);
    g.SetEditable(CVSFlexGrid::kEditKeyboardMouse);

    EXPECT_EQ(g.Rows(), 2);
    EXPECT_EQ(g.Cols(), 15);
    EXPECT_EQ(g.TextMatrix(0, 4), "金融機関名(ｶﾅ)");
    EXPECT_EQ(g.TextMatrix(1, 9), "ﾔﾏﾀﾞ ﾀﾛｳ");
    EXPECT_EQ(g.TextMatrix(1, 8), "");
    EXPECT_EQ(g.ColWidth(9), 2800);
    EXPECT_EQ(g.ColWidth(8), 960);
    EXPECT_EQ(g.ColAlignment(10), CVSFlexGrid::kAlignRight);
    EXPECT_EQ(g.ColAlignment(9), CVSFlexGrid::kAlignLeft);
    EXPECT_EQ(g.ColDataType(2), CVSFlexGrid::kTypeCheckBox);
    EXPECT_EQ(g.ColDataType(3), CVSFlexGrid::kTypeText);
    EXPECT_TRUE(g.ColHidden(1));
    EXPECT_FALSE(g.ColHidden(2));
    EXPECT_EQ(g.Cell(CVSFlexGrid::kCellChecked, 1, 2), CVSFlexGrid::kChecked);
    EXPECT_EQ(g.Row(), 1);
    EXPECT_EQ(g.Col(), 3);
    EXPECT_EQ(g.CellBackColor(), 0x00FFFFu);
    EXPECT_EQ(g.Cell(CVSFlexGrid::kCellBackColor, 1, 3), 0x00FFFF);
    EXPECT_EQ(g.Cell(CVSFlexGrid::kCellBackColor, 1, 4),
              static_cast<long>(CVSFlexGrid::kDefaultColor));
    EXPECT_EQ(g.EditMaxLength(), 30);
    EXPECT_EQ(g.Editable(), CVSFlexGrid::kEditKeyboardMouse);
}

TEST(VSFlexGrid, ResizingKeepsTheCellsThatRemain) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(4, 5);
    g.SetRow(3);
    g.SetCol(4);
    g.SetCols(3);
    EXPECT_EQ(g.TextMatrix(2, 2), "r2c2");
    EXPECT_EQ(g.TextMatrix(3, 0), "r3c0");
    EXPECT_EQ(g.TextMatrix(2, 3), "");
    EXPECT_EQ(g.Col(), 2);  // the current cell stays inside
    g.SetRows(2);
    EXPECT_EQ(g.Row(), 1);
    g.SetRows(3);
    EXPECT_EQ(g.TextMatrix(1, 1), "r1c1");
    EXPECT_EQ(g.TextMatrix(2, 1), "");  // a row added again starts empty
    g.SetCols(5);
    EXPECT_EQ(g.TextMatrix(1, 4), "");
}

TEST(VSFlexGrid, CellsOutsideTheGridReadEmptyAndIgnoreWrites) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(3, 3);
    const int cells[][2] = {{-1, 0}, {0, -1}, {3, 0}, {0, 3}, {100000, 100000}};
    for (const auto& cell : cells) {
        g.SetTextMatrix(cell[0], cell[1], "x");
        g.SetCell(CVSFlexGrid::kCellChecked, cell[0], cell[1], CVSFlexGrid::kChecked);
        EXPECT_EQ(g.TextMatrix(cell[0], cell[1]), "");
        EXPECT_EQ(g.Cell(CVSFlexGrid::kCellChecked, cell[0], cell[1]), 0);
    }
    g.SetColWidth(-1, 5000);
    g.SetColWidth(3, 5000);
    g.SetColHidden(3, true);
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.Cols(), 3);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(g.ColWidth(c), 960);
    EXPECT_FALSE(g.ColHidden(3));
}

TEST(VSFlexGrid, CellSettingsCoverARangeGivenInEitherOrder) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(5, 5);
    g.SetCell(CVSFlexGrid::kCellBackColor, 3, 3, 1, 2, RGB(255, 255, 0));
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 5; ++c) {
            const bool inside = r >= 1 && r <= 3 && c >= 2 && c <= 3;
            EXPECT_EQ(g.Cell(CVSFlexGrid::kCellBackColor, r, c),
                      inside ? 0x00FFFF : static_cast<long>(CVSFlexGrid::kDefaultColor))
                << r << "," << c;
        }
    }
}

TEST(VSFlexGrid, ClearEmptiesEveryCellButKeepsTheShape) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(3, 4);
    g.SetColDataType(2, CVSFlexGrid::kTypeCheckBox);
    g.SetColWidth(1, 1234);
    g.SetCell(CVSFlexGrid::kCellChecked, 1, 2, CVSFlexGrid::kChecked);
    g.SetCell(CVSFlexGrid::kCellBackColor, 2, 3, 0x00FFFF);
    g.Clear();
    EXPECT_EQ(g.Rows(), 3);
    EXPECT_EQ(g.Cols(), 4);
    EXPECT_EQ(g.ColWidth(1), 1234);
    EXPECT_EQ(g.ColDataType(2), CVSFlexGrid::kTypeCheckBox);
    EXPECT_EQ(g.TextMatrix(0, 0), "");
    EXPECT_EQ(g.TextMatrix(2, 3), "");
    EXPECT_EQ(g.Cell(CVSFlexGrid::kCellChecked, 1, 2), 0);
    EXPECT_EQ(g.Cell(CVSFlexGrid::kCellBackColor, 2, 3),
              static_cast<long>(CVSFlexGrid::kDefaultColor));
}

TEST(VSFlexGrid, ColumnWidthsInTwipsFollowTheScreenResolution) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(3, 4);
    g.SetColWidth(0, 550);
    g.SetColWidth(1, 1440);
    g.SetColWidth(2, 2800);
    g.SetColHidden(3, true);
    const auto control = host.Control();
    const int dpi = control->Layout().Dpi();
    const int widths[] = {550, 1440, 2800};
    for (int c = 0; c < 3; ++c) {
        const RECT rc = control->Layout().CellRect(control->Model(), 1, c);
        EXPECT_EQ(rc.right - rc.left, MulDiv(widths[c], dpi, 1440)) << c;
    }
    const RECT hidden = control->Layout().CellRect(control->Model(), 1, 3);
    EXPECT_EQ(hidden.right - hidden.left, 0);
}

TEST(VSFlexGrid, ShowCellScrollsOnlyAsFarAsNeeded) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    host.Fill(1001, 15);
    EXPECT_EQ(g.TopRow(), 1);
    g.ShowCell(5, 0);  // already in view
    EXPECT_EQ(g.TopRow(), 1);
    g.ShowCell(1000, 0);
    const int page = host.Control()->Layout().PageRows(host.Control()->Model());
    EXPECT_EQ(g.TopRow(), 1000 - page + 1);
    g.ShowCell(500, 0);
    EXPECT_EQ(g.TopRow(), 500);
    g.ShowCell(0, 0);  // a title row is always in view
    EXPECT_EQ(g.TopRow(), 500);
    g.SetTopRow(100000);
    EXPECT_EQ(g.TopRow(), 1000 - page + 1);
    // The scroll bar follows.
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_POS | SIF_RANGE;
    ASSERT_TRUE(GetScrollInfo(host.GridWindow(), SB_VERT, &si));
    EXPECT_EQ(si.nPos, g.TopRow() - 1);
    EXPECT_EQ(si.nMax, 999);
    // The last column is brought into view horizontally.
    g.ShowCell(500, 14);
    const auto control = host.Control();
    const RECT rc = control->Layout().CellRect(control->Model(), 500, 14);
    EXPECT_LE(rc.right, control->Layout().ClientWidth());
    EXPECT_GE(rc.left, 0);
}

TEST(VSFlexGrid, WrapperOfADestroyedGridDoesNothing) {
    auto host = std::make_unique<GridTestHost>();
    CVSFlexGrid copy = host->Grid();
    host->Fill(3, 3);
    EXPECT_EQ(copy.Rows(), 3);
    host->Destroy();
    EXPECT_FALSE(copy.IsBound());
    copy.SetRows(10);
    copy.SetTextMatrix(1, 1, "x");
    EXPECT_EQ(copy.Rows(), 0);
    EXPECT_EQ(copy.TextMatrix(1, 1), "");
}

}  // namespace

namespace {

TEST(VSFlexGrid, OutsideADialogTheGridUsesNinePointMsGothic) {
    ASSERT_TRUE(kor::RegisterGridClass());
    ASSERT_TRUE(kor::RegisterGridClass());  // again: still registered
    kor::UniqueWindow grid(CreateWindowExW(0, kor::kGridClassName, L"", WS_POPUP, 0, 0, 300, 200,
                                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    ASSERT_TRUE(grid);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(grid.get(), WM_GETFONT, 0, 0));
    ASSERT_TRUE(font);
    LOGFONTW lf{};
    ASSERT_TRUE(GetObjectW(font, sizeof lf, &lf));
    EXPECT_STREQ(lf.lfFaceName, L"ＭＳ ゴシック");
    kor::UniqueDC dc(CreateCompatibleDC(nullptr));
    EXPECT_EQ(lf.lfHeight, -MulDiv(9, GetDeviceCaps(dc.get(), LOGPIXELSY), 72));
    EXPECT_TRUE(CVSFlexGrid(grid.get()).IsBound());
}

}  // namespace
