// Not a check: shows the test dialog with a grid laid out like the correction screen and keeps
// it on screen for grid_screenshot.sh, which photographs the X display. Run only on request
// (--gtest_also_run_disabled_tests); KOR_GRID_HOLD_MS says how long it stays,
// KOR_GRID_READY_FILE names a file written once it is drawn, and KOR_GRID_EDIT=1 opens the
// cell editor on a yellow cell first.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "GridTestHost.h"
#include "support/TestPaths.h"

namespace {

using kortest::GridTestHost;

struct Column {
    const char* title;
    int type, width, alignment;
};

const Column kColumns[] = {
    {"通番", 8, 550, 7},
    {"ID", 8, 500, 4},
    {"削除", 11, 500, 4},
    {"金融機関コード", 8, 1400, 1},
    {"金融機関名(ｶﾅ)", 8, 1500, 1},
    {"支店コード", 8, 1000, 1},
    {"支店名(ｶﾅ)", 8, 1500, 1},
    {"科目コード", 8, 1000, 1},
    {"口座番号", 8, 1000, 1},
    {"口座名(ｶﾅ)", 8, 2800, 1},
    {"振込金額", 8, 1270, 7},
    {"振込先コード1", 8, 1350, 1},
    {"振込先コード2", 8, 1350, 1},
    {"EDI情報", 8, 1350, 1},
    {"振込依頼人番号", 8, 1350, 1},
};

TEST(GridScreenshot, DISABLED_ShowsTheTestDialog) {
    GridTestHost host;
    CVSFlexGrid& g = host.Grid();
    g.SetCols(15);
    g.SetRows(1);
    for (int c = 0; c < 15; ++c) {
        g.SetTextMatrix(0, c, kColumns[c].title);
        g.SetColWidth(c, kColumns[c].width);
        g.SetColHidden(c, c == 1);
        g.SetColDataType(c, kColumns[c].type);
        g.SetColAlignment(c, kColumns[c].alignment);
    }
    for (int i = 0; i < 300; ++i) {
        const int row = g.Rows();
        g.SetRows(row + 1);
        g.SetTextMatrix(row, 0, std::to_string(i + 1));
        g.SetTextMatrix(row, 1, std::to_string(i));
        g.SetCell(CVSFlexGrid::kCellChecked, row, 2,
                  i % 5 == 1 ? CVSFlexGrid::kChecked : CVSFlexGrid::kUnchecked);
        g.SetTextMatrix(row, 3, "0009");
        g.SetTextMatrix(row, 4, "ﾐﾂｲｽﾐﾄﾓ");
        g.SetTextMatrix(row, 5, "123");
        g.SetTextMatrix(row, 6, "ﾎﾝﾃﾝ");
        g.SetTextMatrix(row, 7, "1");
        g.SetTextMatrix(row, 8, "1234567");
        g.SetTextMatrix(row, 9, "ﾔﾏﾀﾞ ﾀﾛｳ");
        g.SetTextMatrix(row, 10, i % 3 ? "1,234,567" : "12");
        g.SetTextMatrix(row, 11, "振込先");
        if (i % 4 == 1) {
            g.SetRow(row);
            g.SetCol(i % 8 == 1 ? 9 : 3);
            g.SetCellBackColor(0x00FFFF);
        }
    }
    g.SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    if (const char* edit = std::getenv("KOR_GRID_EDIT"); edit && *edit == '1') {
        g.SetRow(2);
        g.SetCol(9);
        host.Key(VK_F2);
        host.TypeIntoEditor(L"ｺｳｻﾞ");
    } else {
        g.SetRow(3);
        g.SetCol(3);
    }
    host.Pump();
    UpdateWindow(host.Dialog());

    if (const char* ready = std::getenv("KOR_GRID_READY_FILE")) {
        kortest::WriteBytes(ready, "drawn");
    }
    const char* hold = std::getenv("KOR_GRID_HOLD_MS");
    const ULONGLONG until = GetTickCount64() + (hold ? std::strtoul(hold, nullptr, 10) : 0);
    while (GetTickCount64() < until) {
        host.Pump();
        Sleep(20);
    }
}

}  // namespace
