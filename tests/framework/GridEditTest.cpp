// Editing cells in place: how an edit starts, the before-edit refusal, how it ends.
#include <gtest/gtest.h>

#include <string>

#include "GridTestHost.h"
#include "framework/Cp932.h"

namespace {

using kortest::GridTestHost;

enum class Start { F2, Enter, Typing, DoubleClick };

struct StartCase {
    Start how;
    const char* name;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

// Starts an edit of (2, 1) the given way.
void StartEdit(GridTestHost& host, Start how) {
    if (how == Start::DoubleClick) {
        host.Click(2, 1, true);
        return;
    }
    host.Grid().SetRow(2);
    host.Grid().SetCol(1);
    switch (how) {
        case Start::F2:
            host.Key(VK_F2);
            break;
        case Start::Enter:
            host.Key(VK_RETURN);
            break;
        default:
            host.Char(L'Z');
            break;
    }
}

std::wstring EditorText(const GridTestHost& host) {
    wchar_t buf[256] = {};
    GetWindowTextW(host.Editor(), buf, 256);
    return buf;
}

class GridEditStart : public ::testing::TestWithParam<StartCase> {};

TEST_P(GridEditStart, RefusedBeforeEditLeavesTheCellAlone) {
    GridTestHost host;
    host.Fill(5, 5);
    host.refuse = [](int, int) { return true; };
    StartEdit(host, GetParam().how);
    ASSERT_EQ(host.events.size(), 1u);
    EXPECT_TRUE(host.events[0].before);
    EXPECT_EQ(host.events[0].row, 2);
    EXPECT_EQ(host.events[0].col, 1);
    EXPECT_FALSE(host.EditorShown());
    EXPECT_FALSE(host.Control()->IsEditing());
    host.Char(L'Q');  // still refused: the next try asks again
    EXPECT_EQ(host.events.size(), 2u);
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "r2c1");
}

TEST_P(GridEditStart, EnterTakesTheNewTextBeforeAfterEditIsTold) {
    GridTestHost host;
    host.Fill(5, 5);
    StartEdit(host, GetParam().how);
    ASSERT_TRUE(host.EditorShown());
    EXPECT_EQ(GetFocus(), host.Editor());
    // Typing replaces the text; the other ways edit the text as it is.
    EXPECT_EQ(EditorText(host), GetParam().how == Start::Typing ? L"Z" : L"r2c1");
    host.TypeIntoEditor(L"振込");
    host.EditorKey(VK_RETURN);
    EXPECT_FALSE(host.EditorShown());
    EXPECT_EQ(GetFocus(), host.GridWindow());
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_TRUE(host.events[0].before);
    EXPECT_EQ(host.events[0].text, "r2c1");
    EXPECT_FALSE(host.events[1].before);
    EXPECT_EQ(host.events[1].row, 2);
    EXPECT_EQ(host.events[1].col, 1);
    const std::string expected = GetParam().how == Start::Typing ? "Z振込" : "r2c1振込";
    EXPECT_EQ(host.events[1].text, expected);  // what the after-edit handler read
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), expected);
}

INSTANTIATE_TEST_SUITE_P(Ways, GridEditStart,
                         ::testing::Values(StartCase{Start::F2, "F2"},
                                           StartCase{Start::Enter, "Enter"},
                                           StartCase{Start::Typing, "Typing"},
                                           StartCase{Start::DoubleClick, "DoubleClick"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GridEdit, EscapeDropsTheEdit) {
    GridTestHost host;
    host.Fill(5, 5);
    StartEdit(host, Start::F2);
    host.TypeIntoEditor(L"xyz");
    host.EditorKey(VK_ESCAPE);
    EXPECT_FALSE(host.EditorShown());
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "r2c1");
    ASSERT_EQ(host.events.size(), 1u);  // the before-edit only
}

enum class Leave { FocusElsewhere, ClickOtherCell, TabKey, DownKey };

struct LeaveCase {
    Leave how;
    const char* name;
    int row, col;  // the current cell afterwards
};

void PrintTo(const LeaveCase& c, std::ostream* os) {
    *os << c.name;
}

class GridEditLeave : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(GridEditLeave, LeavingTheCellTakesTheEdit) {
    GridTestHost host;
    host.Fill(5, 5);
    StartEdit(host, Start::Typing);
    host.TypeIntoEditor(L"ｶﾅ");
    switch (GetParam().how) {
        case Leave::FocusElsewhere:
            SetFocus(GetDlgItem(host.Dialog(), 1028));
            break;
        case Leave::ClickOtherCell:
            host.Click(3, 3);
            break;
        case Leave::TabKey:
            host.EditorKey(VK_TAB);
            break;
        case Leave::DownKey:
            host.EditorKey(VK_DOWN);
            break;
    }
    EXPECT_FALSE(host.EditorShown());
    ASSERT_EQ(host.events.size(), 2u);
    EXPECT_FALSE(host.events[1].before);
    EXPECT_EQ(host.events[1].text, "Zｶﾅ");
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "Zｶﾅ");
    EXPECT_EQ(host.Grid().Row(), GetParam().row);
    EXPECT_EQ(host.Grid().Col(), GetParam().col);
}

INSTANTIATE_TEST_SUITE_P(Ways, GridEditLeave,
                         ::testing::Values(LeaveCase{Leave::FocusElsewhere, "FocusElsewhere", 2, 1},
                                           LeaveCase{Leave::ClickOtherCell, "ClickOtherCell", 3, 3},
                                           LeaveCase{Leave::TabKey, "TabKey", 2, 2},
                                           LeaveCase{Leave::DownKey, "DownKey", 3, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GridEdit, ReadOnlyGridAndTitleRowsAreNeverEdited) {
    GridTestHost host;
    host.Fill(5, 5);
    host.Grid().SetEditable(CVSFlexGrid::kEditNone);
    for (Start how : {Start::F2, Start::Enter, Start::Typing, Start::DoubleClick}) {
        StartEdit(host, how);
        EXPECT_FALSE(host.EditorShown());
    }
    host.Grid().SetEditable(CVSFlexGrid::kEditKeyboardMouse);
    host.Grid().SetRow(0);  // the title row
    host.Key(VK_F2);
    host.Char(L'A');
    EXPECT_FALSE(host.EditorShown());
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(host.Grid().TextMatrix(0, 1), "title1");
}

TEST(GridEdit, KeyboardOnlyGridIgnoresTheDoubleClick) {
    GridTestHost host;
    host.Fill(5, 5);
    host.Grid().SetEditable(CVSFlexGrid::kEditKeyboard);
    StartEdit(host, Start::DoubleClick);
    EXPECT_FALSE(host.EditorShown());
    EXPECT_TRUE(host.events.empty());
    host.Key(VK_F2);
    EXPECT_TRUE(host.EditorShown());
}

TEST(GridEdit, AfterEditHandlerMayRewriteTheCellOrCloseTheScreen) {
    GridTestHost host;
    host.Fill(5, 5);
    // A screen puts the amount back with separators.
    host.afterHook = [&](int row, int col) { host.Grid().SetTextMatrix(row, col, "1,500"); };
    StartEdit(host, Start::Typing);
    host.EditorKey(VK_RETURN);
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "1,500");
    // A handler that destroys the dialog while the grid is still inside its key handling.
    host.afterHook = [&](int, int) { host.Destroy(); };
    StartEdit(host, Start::F2);
    const HWND grid = host.GridWindow();
    host.EditorKey(VK_RETURN);
    EXPECT_FALSE(IsWindow(grid));
    EXPECT_FALSE(host.Grid().IsBound());
}

TEST(GridEdit, HandleNotifyTakesOnlyItsOwnGridsNotifications) {
    GridTestHost host;
    host.Fill(3, 3);
    CVSFlexGrid::EditNotify nm{};
    nm.hdr.hwndFrom = GetDlgItem(host.Dialog(), 1028);
    nm.hdr.code = CVSFlexGrid::kNotifyBeforeEdit;
    bool called = false;
    EXPECT_FALSE(host.Grid().HandleNotify(
        reinterpret_cast<LPARAM>(&nm), [&](int, int, bool&) { called = true; }, nullptr));
    nm.hdr.hwndFrom = host.GridWindow();
    nm.hdr.code = 0xFFFFFFFEu;  // a click, as the common controls tell it
    EXPECT_FALSE(host.Grid().HandleNotify(
        reinterpret_cast<LPARAM>(&nm), [&](int, int, bool&) { called = true; }, nullptr));
    EXPECT_FALSE(called);
}

}  // namespace

namespace {

// As in a running screen: posted keys pass the dialog manager (IsDialogMessage) and
// TranslateMessage before they reach the grid or its editor.
TEST(GridEditDialog, EnterAndEscapeReachTheGridNotTheDialog) {
    GridTestHost host;
    host.Fill(5, 5);
    host.Grid().SetRow(2);
    host.Grid().SetCol(1);
    SetFocus(host.GridWindow());
    PostMessageW(host.GridWindow(), WM_KEYDOWN, VK_RETURN, 0);
    host.Pump();
    ASSERT_TRUE(host.EditorShown());
    PostMessageW(host.Editor(), WM_CHAR, L'あ', 0);
    PostMessageW(host.Editor(), WM_KEYDOWN, VK_ESCAPE, 0);
    host.Pump();
    EXPECT_FALSE(host.EditorShown());
    EXPECT_TRUE(IsWindow(host.Dialog()));
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "r2c1");
    PostMessageW(host.GridWindow(), WM_KEYDOWN, VK_RETURN, 0);
    host.Pump();
    PostMessageW(host.Editor(), WM_CHAR, L'あ', 0);
    PostMessageW(host.Editor(), WM_KEYDOWN, VK_RETURN, 0);
    host.Pump();
    EXPECT_FALSE(host.EditorShown());
    EXPECT_EQ(host.Grid().TextMatrix(2, 1), "r2c1あ");
    ASSERT_EQ(host.events.size(), 3u);
    EXPECT_FALSE(host.events.back().before);
}

}  // namespace
