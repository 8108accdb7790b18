// Moving the current cell with the keyboard: hidden columns are skipped, title rows are not
// entered, the cell is kept in view, Tab leaves the grid only from its last cell.
#include <gtest/gtest.h>

#include "GridTestHost.h"

namespace {

using kortest::GridTestHost;

enum Mod { kNone, kShift, kCtrl };

// The thread's key state, which the grid reads for Shift and Ctrl.
class HeldModifier {
public:
    explicit HeldModifier(Mod mod) {
        GetKeyboardState(m_saved);
        BYTE keys[256];
        GetKeyboardState(keys);
        if (mod == kShift) keys[VK_SHIFT] = 0x80;
        if (mod == kCtrl) keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
    }
    ~HeldModifier() { SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

struct MoveCase {
    int row, col;
    UINT key;
    Mod mod;
    int wantRow, wantCol;
};

void PrintTo(const MoveCase& c, std::ostream* os) {
    *os << "(" << c.row << "," << c.col << ") key " << c.key << " mod " << c.mod << " -> ("
        << c.wantRow << "," << c.wantCol << ")";
}

class GridNavigation : public ::testing::TestWithParam<MoveCase> {};

// Six rows (a title and data rows 1-5), six columns of which 1 and 4 are hidden.
TEST_P(GridNavigation, MovesTheCurrentCell) {
    const MoveCase& c = GetParam();
    GridTestHost host;
    host.Fill(6, 6);
    host.Grid().SetColHidden(1, true);
    host.Grid().SetColWidth(4, 0);
    host.Grid().SetRow(c.row);
    host.Grid().SetCol(c.col);
    {
        HeldModifier held(c.mod);
        host.Key(c.key);
    }
    EXPECT_EQ(host.Grid().Row(), c.wantRow);
    EXPECT_EQ(host.Grid().Col(), c.wantCol);
    EXPECT_TRUE(host.events.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, GridNavigation,
    ::testing::Values(MoveCase{1, 0, VK_RIGHT, kNone, 1, 2}, MoveCase{1, 2, VK_LEFT, kNone, 1, 0},
                      MoveCase{1, 3, VK_RIGHT, kNone, 1, 5}, MoveCase{1, 5, VK_LEFT, kNone, 1, 3},
                      MoveCase{1, 5, VK_RIGHT, kNone, 1, 5}, MoveCase{1, 0, VK_LEFT, kNone, 1, 0},
                      MoveCase{1, 4, VK_LEFT, kNone, 1, 3}, MoveCase{1, 1, VK_RIGHT, kNone, 1, 2},
                      MoveCase{2, 4, VK_DOWN, kNone, 3, 5}, MoveCase{1, 3, VK_HOME, kNone, 1, 0},
                      MoveCase{1, 0, VK_END, kNone, 1, 5}, MoveCase{4, 3, VK_HOME, kCtrl, 1, 0},
                      MoveCase{2, 2, VK_END, kCtrl, 5, 5}, MoveCase{1, 3, VK_TAB, kNone, 1, 5},
                      MoveCase{1, 5, VK_TAB, kNone, 2, 0}, MoveCase{2, 0, VK_TAB, kShift, 1, 5},
                      MoveCase{2, 2, VK_TAB, kShift, 2, 0}, MoveCase{5, 5, VK_TAB, kNone, 5, 5},
                      MoveCase{1, 2, VK_UP, kNone, 1, 2}, MoveCase{0, 2, VK_DOWN, kNone, 1, 2},
                      MoveCase{2, 2, VK_DOWN, kNone, 3, 2}, MoveCase{5, 2, VK_DOWN, kNone, 5, 2},
                      MoveCase{1, 2, VK_NEXT, kNone, 5, 2}, MoveCase{5, 2, VK_PRIOR, kNone, 1, 2}));

TEST(GridNavigationPage, PageDownMovesAPageAndKeepsTheCellInView) {
    GridTestHost host;
    host.Fill(301, 4);
    const auto control = host.Control();
    const int page = control->Layout().PageRows(control->Model());
    ASSERT_GT(page, 3);
    host.Key(VK_NEXT);
    EXPECT_EQ(host.Grid().Row(), 1 + page);
    host.Key(VK_NEXT);
    EXPECT_EQ(host.Grid().Row(), 1 + 2 * page);
    const int top = host.Grid().TopRow();
    EXPECT_LE(top, host.Grid().Row());
    EXPECT_GE(top + page - 1, host.Grid().Row());
    host.Key(VK_PRIOR);
    EXPECT_EQ(host.Grid().Row(), 1 + page);
    host.Key(VK_END);
    {
        HeldModifier held(kCtrl);
        host.Key(VK_END);
    }
    EXPECT_EQ(host.Grid().Row(), 300);
    EXPECT_EQ(host.Grid().TopRow(), 300 - page + 1);
}

TEST(GridNavigationDialog, TabLeavesTheGridOnlyFromTheLastCell) {
    GridTestHost host;
    host.Fill(3, 3);
    auto wants = [&](UINT key) {
        MSG msg{host.GridWindow(), WM_KEYDOWN, key, 0, 0, {0, 0}};
        return (SendMessageW(host.GridWindow(), WM_GETDLGCODE, key,
                             reinterpret_cast<LPARAM>(&msg)) &
                DLGC_WANTMESSAGE) != 0;
    };
    host.Grid().SetRow(1);
    host.Grid().SetCol(2);
    EXPECT_TRUE(wants(VK_TAB));
    EXPECT_TRUE(wants(VK_RETURN));  // Enter edits instead of closing the screen
    host.Grid().SetRow(2);
    EXPECT_FALSE(wants(VK_TAB));
}

TEST(GridNavigationScroll, ScrollBarAndWheelMoveTheTopRowNotTheCurrentCell) {
    GridTestHost host;
    host.Fill(201, 4);
    const auto control = host.Control();
    const int page = control->Layout().PageRows(control->Model());
    SendMessageW(host.GridWindow(), WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(host.Grid().TopRow(), 2);
    SendMessageW(host.GridWindow(), WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(host.Grid().TopRow(), 2 + page);
    SendMessageW(host.GridWindow(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(host.Grid().TopRow(), 2 + page - 3);
    SendMessageW(host.GridWindow(), WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(host.Grid().TopRow(), 200 - page + 1);
    SendMessageW(host.GridWindow(), WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(host.Grid().TopRow(), 1);
    EXPECT_EQ(host.Grid().Row(), 1);
}

}  // namespace
